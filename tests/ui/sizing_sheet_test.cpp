#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QPdfWriter>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>

#include "platform/text.h"
#include "simulation/cycles/drivers.h"
#include "state/defaults.h"
#include "state/settings_file.h"
#include "state/working_copies.h"
#include "support/recording_device.h"
#include "ui/calculation/sheet_printer.h"
#include "ui/calculation/sizing_sheet.h"
#include "ui/palette.h"
#include "ui/ui_fixture.h"

namespace nk::ui {
namespace {

using nk::testing::RecordingDevice;
using Text = RecordingDevice::Text;

constexpr double kTol = 0.05;  // mm
const QDate kToday(2026, 12, 10);

bool near(double a, double b) { return std::abs(a - b) < kTol; }

// Line height of an Arial font on the recording page, mm.
double lineHeight(double points) {
    RecordingDevice page;
    QFont f(QStringLiteral("Arial"));
    f.setPointSizeF(points);
    return QFontMetricsF(f, &page).height() / RecordingDevice::kDotsPerMm;
}

class Sheet : public ::testing::Test {
protected:
    void SetUp() override {
        Alapertekek(m);
        copyActiveToWorking(m);
        initialCalculationChoices(m);
    }

    // The system as the window's picker chooses it.
    void choose(int system) {
        m.s.Rendszerszam = system;
        m.s.Rendszerkategoria = system / 10;
        deriveSmallestTank(m.s);
    }

    void calculate(int cycle, int month = 6, int last = 0) {
        m.s.Szamitasmod = Integer(cycle);
        m.s.Honapvalasztas = Integer(month);
        if (cycle == 1) m.s.Naptipus = 1;
        if (cycle == 4) {
            m.s.ElsoHonap = Integer(month);
            m.s.UtolsoHonap = last;
            countPeriod(m);
        }
        runCalculation(m);
    }

    void render(const NumberLocale& loc = NumberLocale::decimalComma()) {
        page = std::make_unique<RecordingDevice>();
        const auto ops = buildSizingSheet(m, kToday, loc);
        SheetPrinter printer(*page);
        const bool printed = runSheet(
            ops, [&](const SheetOp& op) { return printer.run(op); },
            [](int n) {
                ADD_FAILURE() << "printing error " << n;
                return false;
            });
        ASSERT_TRUE(printed);
    }

    const Text* textAt(double x, double y) const {
        for (const Text& t : page->texts)
            if (near(t.x, x) && near(t.top, y)) return &t;
        return nullptr;
    }
    const Text* find(const QString& s) const {
        for (const Text& t : page->texts)
            if (t.text == s) return &t;
        return nullptr;
    }
    // The texts at x, top to bottom.
    std::vector<Text> column(double x, double from = 0, double to = 300) const {
        std::vector<Text> c;
        for (const Text& t : page->texts)
            if (near(t.x, x) && t.top >= from && t.top <= to) c.push_back(t);
        std::sort(c.begin(), c.end(), [](const Text& a, const Text& b) { return a.top < b.top; });
        return c;
    }
    // The text starting at x on the line whose top is y.
    QString valueAt(double x, double y) const {
        const Text* t = textAt(x, y);
        return t ? t->text : QString();
    }

    Model m;
    std::unique_ptr<RecordingDevice> page;
};

TEST_F(Sheet, FixedTextsStandWhereTheyBelongInTheirFontAndColour) {
    choose(11);
    calculate(3);
    render();
    const QColor green = paletteColour(2), black = paletteColour(0);
    struct Case {
        QString text;
        double x, y, points;
        bool bold;
        QColor colour;
    };
    const Case cases[] = {
        {QLocale::system().toString(kToday, QLocale::ShortFormat), 174, 21, 10, true, black},
        {QStringLiteral("Méretezési adatlap"), 10, 18, 16, true, green},
        {QStringLiteral("Rendszertípus: "), 15, 30, 9, false, black},
        {QStringLiteral("Vázlat:"), 120, 30, 9, false, black},
        {QStringLiteral("NAPKOLLEKTOROK"), 10, 65, 9, true, green},
        {QStringLiteral("Hatásfok:"), 117, 72, 9, false, black},
        {QStringLiteral("MÉRETEZÉSI EREDMÉNYEK"), 10, 108, 9, true, green},
        {QStringLiteral("Hőmérsékletek [°C]"), 135, 127, 9, true, black},
        {QStringLiteral("Hőszükséglet, hőnyereség [kWh/hónap]"), 135, 167, 9, true, black},
        {QStringLiteral("Hőmennyiségek [kWh/hónap]"), 135, 206, 9, true, black},
        {QStringLiteral("Napkollektorok felületére érkező napsugárzás:"), 25, 245, 10, false, black},
        {QStringLiteral("Energetikai adatok"), 152, 254, 10, false, black},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        const Text* t = textAt(c.x, c.y);
        ASSERT_NE(t, nullptr);
        EXPECT_EQ(t->text, c.text);
        EXPECT_EQ(t->font.pointSizeF(), c.points);
        EXPECT_EQ(t->font.bold(), c.bold);
        EXPECT_EQ(t->colour, c.colour);
    }
    // The footer names the program and the day of printing.
    const Text* footer = textAt(107, 271);
    ASSERT_NE(footer, nullptr);
    EXPECT_TRUE(footer->text.endsWith(QLocale::system().toString(kToday, QLocale::ShortFormat)));
    EXPECT_EQ(footer->colour, green);
}

TEST_F(Sheet, RulesAndFramesAreDrawnWithTheirWidthsAndColours) {
    choose(11);
    calculate(3);
    render();
    struct Case {
        double x1, y1, x2, y2;
        int colour, width;
    };
    const Case cases[] = {
        {10, 26, 195, 26, 2, 8},    {43, 68, 195, 68, 2, 5},     {56, 111, 195, 111, 2, 5},
        {15, 244, 195, 244, 0, 1},  {10, 270, 195, 270, 2, 5},   {15, 124, 132, 124, 0, 2},
        {15, 124, 15, 159, 0, 2},   {15, 159, 132, 159, 0, 2},   {132, 124, 132, 159, 0, 2},
        {15, 239, 132, 239, 0, 2},  {132, 124, 195, 124, 0, 2},  {132, 164, 195, 164, 0, 2},
        {132, 204, 195, 204, 0, 2},
    };
    for (const Case& c : cases) {
        const bool drawn = std::any_of(page->lines.begin(), page->lines.end(), [&](const RecordingDevice::Line& l) {
            return near(l.x1, c.x1) && near(l.y1, c.y1) && near(l.x2, c.x2) && near(l.y2, c.y2) &&
                   l.colour == paletteColour(c.colour) && l.width == c.width;
        });
        EXPECT_TRUE(drawn) << c.x1 << "," << c.y1 << " to " << c.x2 << "," << c.y2;
    }
    EXPECT_GT(page->paths, 0) << "the schematic";
}

TEST_F(Sheet, ProjectRowsFollowLineByLineAndARemarkKeepsItsColumn) {
    m.s.projekt.Letesitmenynev = "Strandfürdő";
    m.s.projekt.Megrendelonev = "";
    m.s.projekt.Keszitette = "Nagy Éva";
    m.s.projekt.Megjegyzes = "első sor\r\nmásodik sor\r\nharmadik sor";
    render();
    const double lh = lineHeight(9);
    const std::vector<Text> labels = column(15, 29, 60);
    ASSERT_EQ(labels.size(), 5u);
    const char* const names[] = {"Rendszertípus: ", "Létesítmény: ", "Megrendelő: ", "Méretezést készítette: ",
                                 "Megjegyzés: "};
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(labels[i].text, QString::fromUtf8(names[i]));
        EXPECT_NEAR(labels[i].top, 30 + i * lh, kTol);
    }
    const std::vector<Text> values = column(47, 29, 80);
    const QStringList expected = {QStringLiteral("Melegvíz készítés"), QStringLiteral("Strandfürdő"),
                                  QStringLiteral("Nagy Éva"), QStringLiteral("első sor"),
                                  QStringLiteral("második sor"), QStringLiteral("harmadik sor")};
    ASSERT_EQ(values.size(), std::size_t(expected.size())) << "an empty customer prints its label only";
    for (int i = 0; i < expected.size(); ++i) EXPECT_EQ(values[i].text, expected[i]);
    EXPECT_NEAR(values[2].top, 30 + 3 * lh, kTol);
    for (int i = 3; i < 6; ++i) EXPECT_NEAR(values[i].top, 30 + (i + 1) * lh, kTol);
    // The line start is back at the margin after the remark.
    EXPECT_NE(find(QStringLiteral("Vázlat:")), nullptr);
}

// A file may hold a longer remark than the window lets be typed: the sheet
// prints its first five lines, marks the cut, and prints nothing over the
// collectors' section.
TEST_F(Sheet, ARemarkPrintsNoMoreThanItsFiveLines) {
    const struct {
        const char* remark;
        int lines;
        bool cut;
    } cases[] = {{"1\r\n2\r\n3\r\n4\r\n5", 5, false},
                 {"1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8", 5, true},
                 {"1\r\n2", 2, false},
                 {"1\r\n2\r\n3\r\n4\r\n5\r\n \r\n\r\n", 5, false}};
    for (const auto& c : cases) {
        m.s.projekt.Megjegyzes = c.remark;
        render();
        const std::vector<Text> remark = column(47, 29 + 4 * lineHeight(9) - kTol, 300);
        ASSERT_EQ(int(remark.size()), c.lines) << c.remark;
        for (int i = 0; i < c.lines; ++i) {
            const QString mark = c.cut && i + 1 == c.lines ? QString(QChar(0x2026)) : QString();
            EXPECT_EQ(remark[std::size_t(i)].text, QString::number(i + 1) + mark);
            EXPECT_EQ(remark[std::size_t(i)].font.pointSizeF(), 9) << "five lines fit in full size";
        }
        const Text* heading = find(QStringLiteral("NAPKOLLEKTOROK"));
        ASSERT_NE(heading, nullptr);
        EXPECT_LT(remark.back().top + lineHeight(9), heading->top + kTol) << c.remark;
    }
}

// The one-line texts a file may hold line breaks in are printed on their
// own line each, so nothing below is printed over.
TEST_F(Sheet, OneLineTextsWithLineBreaksStayOnTheirLine) {
    m.s.projekt.Letesitmenynev = "Strand\r\nfürdő";
    m.s.projekt.Megrendelonev = "Kiss\r\nKft.";
    m.s.projekt.Keszitette = "Nagy\r\nÉva";
    m.kat.KatNev(ix(m.s.Kollektortipus), ix(m.s.Kollektormodell)) = "R\r\n300";
    render();
    const std::vector<Text> values = column(47, 29, 80);
    ASSERT_GE(values.size(), 4u);
    EXPECT_EQ(values[1].text, QStringLiteral("Strand fürdő"));
    EXPECT_EQ(values[2].text, QStringLiteral("Kiss Kft."));
    EXPECT_EQ(values[3].text, QStringLiteral("Nagy Éva"));
    EXPECT_NE(find(QStringLiteral("R 300")), nullptr);
    EXPECT_EQ(column(65, 68, 110).size(), 8u) << "the collector rows keep their lines";
}

#ifdef NK_PDFTOTEXT
// The sheet as PDF, read back word by word with its boxes in millimetres
// from the top left corner of the printable area, as the sheet's own
// coordinates are.
class SheetPdf : public Sheet {
protected:
    struct Word {
        QString text;
        double x1, y1, x2, y2;
    };

    std::vector<Word> printPdf() {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("adatlap.pdf"));
        {
            QPdfWriter pdf(file);
            pdf.setResolution(600);
            pdf.setPageLayout(sheetPageLayout());
            SheetPrinter printer(pdf);
            const auto ops = buildSizingSheet(m, kToday, NumberLocale::decimalComma());
            EXPECT_TRUE(runSheet(
                ops, [&](const SheetOp& op) { return printer.run(op); }, [](int) { return false; }));
        }
        QProcess pdftotext;
        pdftotext.start(QStringLiteral(NK_PDFTOTEXT), {QStringLiteral("-bbox"), file, QStringLiteral("-")});
        EXPECT_TRUE(pdftotext.waitForFinished(30000));
        const QString xhtml = QString::fromUtf8(pdftotext.readAllStandardOutput());
        const double margin = sheetPageLayout().margins(QPageLayout::Millimeter).left();
        const auto mm = [&](const QString& points) {
            return pointRead(points.toStdString()) * 25.4 / 72 - margin;
        };
        static const QRegularExpression word(
            QStringLiteral(R"re(<word xMin="([^"]+)" yMin="([^"]+)" xMax="([^"]+)" yMax="([^"]+)">([^<]*)</word>)re"));
        std::vector<Word> words;
        for (auto it = word.globalMatch(xhtml); it.hasNext();) {
            const QRegularExpressionMatch w = it.next();
            QString text = w.captured(5);
            text.replace(QStringLiteral("&lt;"), QStringLiteral("<"))
                .replace(QStringLiteral("&gt;"), QStringLiteral(">"))
                .replace(QStringLiteral("&quot;"), QStringLiteral("\""))
                .replace(QStringLiteral("&amp;"), QStringLiteral("&"));
            words.push_back({text, mm(w.captured(1)), mm(w.captured(2)), mm(w.captured(3)), mm(w.captured(4))});
        }
        return words;
    }
};

// The facility, customer and designer names and the remark print left of
// the schematic and above the collectors' heading, whole where a designer's
// text fits, in type no smaller than 6 points, and cut with a mark where
// nothing would fit.
TEST_F(SheetPdf, ProjectTextsPrintInTheirRoom) {
    const auto words = [](const char* head, int count) {
        QStringList w;
        for (int i = 1; i <= count; ++i) w << QStringLiteral("%1%2").arg(QString::fromUtf8(head)).arg(i, 2, 10, QLatin1Char('0'));
        return w.join(QLatin1Char(' ')).toStdString();
    };
    std::string longRemark;
    for (int line = 1; line <= 5; ++line)
        longRemark += (line > 1 ? "\r\n" : "") + words(("Tetőátvezetés" + std::to_string(line) + "x").c_str(), 25);
    const struct {
        const char* what;
        std::string facility, customer, designer, remark;
        bool whole;
    } cases[] = {
        {"a designer's texts", "Kovács János családi háza, 2000 Szentendre, Rózsa utca 5.",
         "Szentendrei Családi Házépítő és Felújító Korlátolt Felelősségű Társaság",
         "Dr. Nagy-Szabó Éva okl. épületgépész mérnök",
         "A kollektorok a déli tetősíkra kerülnek, a tároló a pincében áll.\r\nA vezeték 22 mm-es rézcső.", true},
        {"30 long words and five long remark lines", words("Napkollektormező", 30), words("Megrendelőcsoport", 30),
         words("Tervezőirodavezető", 30), longRemark, false},
    };
    constexpr double kSchematicLeft = 132, kLeft = 47, kTol = 0.3;
    const std::vector<Word> withoutTexts = printPdf();
    ASSERT_FALSE(withoutTexts.empty());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        m.s.projekt.Letesitmenynev = c.facility;
        m.s.projekt.Megrendelonev = c.customer;
        m.s.projekt.Keszitette = c.designer;
        m.s.projekt.Megjegyzes = c.remark;
        const std::vector<Word> page = printPdf();
        const auto at = [&](const char* text) {
            const auto w = std::find_if(page.begin(), page.end(), [&](const Word& w) { return w.text == QString::fromUtf8(text); });
            return w == page.end() ? Word{} : *w;
        };
        const Word label = at("Létesítmény:"), heading = at("NAPKOLLEKTOROK");
        ASSERT_FALSE(label.text.isEmpty());
        ASSERT_FALSE(heading.text.isEmpty());
        const double top = label.y1 - kTol, bottom = heading.y1 + kTol, smallest = (label.y2 - label.y1) * 6 / 9 - 0.05;

        // The words of the four texts, in the order they were written, are
        // those the page without them lacks: nothing else moves.
        QStringList expected;
        for (const std::string* t : {&c.facility, &c.customer, &c.designer, &c.remark})
            expected << QString::fromStdString(*t).split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        const auto ours = [&](const Word& w) {
            return std::none_of(withoutTexts.begin(), withoutTexts.end(), [&](const Word& b) {
                return b.text == w.text && std::abs(b.x1 - w.x1) < kTol && std::abs(b.y1 - w.y1) < kTol;
            });
        };
        QStringList printed;
        bool marked = false;
        for (const Word& w : page) {
            if (!ours(w)) continue;
            SCOPED_TRACE(w.text.toStdString());
            EXPECT_GE(w.x1, kLeft - kTol);
            EXPECT_LE(w.x2, kSchematicLeft);
            EXPECT_GE(w.y1, top);
            EXPECT_LE(w.y2, bottom);
            EXPECT_GE(w.y2 - w.y1, smallest);
            printed << w.text;
            marked |= w.text.endsWith(QChar(0x2026));
        }
        if (c.whole) {
            EXPECT_EQ(printed, expected);
            EXPECT_FALSE(marked);
        } else {
            EXPECT_TRUE(marked);
            EXPECT_LT(printed.size(), expected.size());
        }
    }
}
#endif

TEST_F(Sheet, CollectorValuesAreNumbersInTheLocalesNotation) {
    m.s.Kollektortipus = 6;
    m.s.Kollektormodell = 0;
    m.s.Kollektorszam = 3;
    m.s.Kollektorfelulet = 1.78;
    m.s.Osszfelulet = 5.34;
    m.s.Dolesszog = 45;
    m.s.KollA = 0.79;
    m.s.KollB = 4.17;
    m.s.KollC = 0.011;
    struct Case {
        Integer azimuth;
        const char* shown;
    };
    const Case azimuths[] = {{0, " 0 ° Dél"},        {-30, "-30 ° Délnyugat"}, {90, " 90 ° Kelet"},
                             {89, " 89 ° Délkelet"}, {-90, "-90 ° Nyugat"},    {-1, "-1 ° Délnyugat"}};
    for (const Case& c : azimuths) {
        m.s.Tajolas = c.azimuth;
        render();
        const std::vector<Text> v = column(65, 68, 110);
        ASSERT_EQ(v.size(), 8u);
        EXPECT_EQ(v[0].text, QStringLiteral("Egyéb"));
        EXPECT_EQ(v[2].text, QStringLiteral(" 3  db"));
        EXPECT_EQ(v[3].text, QStringLiteral(" 1,78  m2"));
        EXPECT_EQ(v[4].text, QStringLiteral(" 5,34  m2"));
        EXPECT_EQ(v[5].text, QStringLiteral(" 45 °"));
        EXPECT_EQ(v[6].text, QString::fromUtf8(c.shown));
        EXPECT_EQ(v[7].text, QStringLiteral("Eta = 0,79  -  4,17 .X -  0,011 .Gk.X2"));
        // The first collector row lies one line below the section rule.
        EXPECT_NEAR(v[0].top, 68 + lineHeight(9), kTol);
    }
    render(NumberLocale::decimalPoint());
    EXPECT_EQ(column(65, 68, 110)[3].text, QStringLiteral(" 1.78  m2"));
}

TEST_F(Sheet, TheCycleLineNamesTheLastCalculation) {
    struct Case {
        Integer cycle;
        int dayType, first, last;
        const char* line;  // after "A számítás jellege: "; null: no cycle line
    };
    const Case cases[] = {
        {1, 1, 0, 0, "Napi ciklus, derült Júniusi nap"},
        {1, 3, 0, 0, "Napi ciklus, borult Júniusi nap"},
        {1, 7, 0, 0, "Napi ciklus,"},
        {2, 0, 0, 0, "Havi ciklus:  Június"},
        {3, 0, 0, 0, "Éves ciklus"},
        {4, 0, 11, 2, "Időszaki ciklus:    11 . hónaptól   2 . hónapig"},
        {0, 0, 0, 0, nullptr},
        {5, 0, 0, 0, nullptr},
    };
    for (const Case& c : cases) {
        m.res.shown = {c.cycle, 6, c.dayType, Integer(c.first), c.last, m.s.Rendszerszam, m.s.Rendszerkategoria, false};
        render();
        const Text* label = find(QStringLiteral("A számítás jellege: "));
        if (!c.line) {
            EXPECT_EQ(label, nullptr) << c.cycle;
            continue;
        }
        ASSERT_NE(label, nullptr) << c.cycle;
        EXPECT_NEAR(label->x, 15, kTol);
        const Text* line = nullptr;
        for (const Text& t : page->texts)
            if (near(t.top, label->top) && t.x > label->x) line = &t;
        ASSERT_NE(line, nullptr);
        EXPECT_EQ(line->text, QString::fromUtf8(c.line));
    }
}

TEST_F(Sheet, TheBarLegendDependsOnTheSystemGroup) {
    struct Box {
        double y1, y2;
        int fill;
    };
    struct Case {
        int system;
        std::vector<Box> boxes;
        std::vector<std::pair<double, const char*>> texts;
    };
    const Case cases[] = {
        {11,
         {{180, 187, 9}, {215, 222, 6}, {229, 236, 12}},
         {{182, "Melegvíz készítés hőszükséglete"}, {217, "Napkollektorok"}, {231, "Hagyományos hőtermelő"}}},
        {21,
         {{175, 182, 11}, {190, 197, 9}, {215, 222, 6}, {229, 236, 12}},
         {{177, "Medence hőnyeresége"}, {192, "Medence hővesztesége"}, {217, "Napkollektorok"}}},
        {43,
         {{175, 182, 11}, {190, 197, 9}, {215, 222, 6}, {229, 236, 12}},
         {{177, "Medence hőnyeresége"}, {190, "Melegvíz készítés hőszükséglete"}, {193, "Medence hővesztesége"}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        choose(c.system);
        render();
        std::vector<RecordingDevice::Rect> legend;
        for (const auto& r : page->rects)
            if (near(r.x1, 141) && near(r.x2, 143)) legend.push_back(r);
        ASSERT_EQ(legend.size(), c.boxes.size());
        for (std::size_t i = 0; i < legend.size(); ++i) {
            EXPECT_NEAR(legend[i].y1, c.boxes[i].y1, kTol);
            EXPECT_NEAR(legend[i].y2, c.boxes[i].y2, kTol);
            EXPECT_EQ(legend[i].fill, paletteColour(c.boxes[i].fill));
            EXPECT_EQ(legend[i].border, paletteColour(0));
            EXPECT_EQ(legend[i].width, 1);
        }
        for (const auto& [y, text] : c.texts) EXPECT_EQ(valueAt(150, y), QString::fromUtf8(text)) << text;
    }
}

// A number of the result table, read back.
double tableNumber(const std::string& text) {
    return localeRead(text.substr(0, text.find(" %")), NumberLocale::decimalComma()).value();
}

TEST_F(Sheet, EnergyRowsCarryTheResultTablesFigures) {
    struct Case {
        int system, cycle, month, last;
    };
    const Case cases[] = {{11, 3, 1, 0}, {16, 1, 6, 0}, {21, 2, 7, 0}, {44, 4, 10, 3}, {45, 3, 1, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        choose(c.system);
        calculate(c.cycle, c.month, c.last);
        render();
        const auto& t = m.res.tablazat.tablazat1;
        const std::vector<Text> v = column(108, 240, 270);
        ASSERT_EQ(v.size(), 5u);
        const double lh = lineHeight(10);
        for (int i = 0; i < 5; ++i) EXPECT_NEAR(v[i].top, 245 + i * lh, kTol);
        EXPECT_EQ(v[0].text, QString::fromStdString(" " + t[0] + "  kWh"));
        EXPECT_EQ(v[1].text, QString::fromStdString(" " + t[1] + "  kWh"));
        EXPECT_EQ(v[2].text, QString::fromStdString(" " + t[5] + "  kWh"));
        EXPECT_EQ(v[4].text, QString::fromStdString(" " + t[6]));
        // The efficiency: the collectors' useful heat over the irradiation,
        // in per cent, cut to two decimals.
        ASSERT_TRUE(v[3].text.endsWith(QStringLiteral(" %")));
        const double efficiency = tableNumber(v[3].text.trimmed().toStdString());
        const double qnap = tableNumber(t[0]);
        const double exact = qnap > 0 ? m.res.EredmKollHo(1).d() / qnap * 100 : 0;
        EXPECT_GT(exact, 0);
        EXPECT_LE(efficiency, exact + 1e-9);
        EXPECT_GT(efficiency, exact - 0.01);
    }
}

TEST_F(Sheet, WithoutACalculationTheEnergyRowsShowLabelsAndUnits) {
    Model fresh;
    Alapertekek(fresh);
    std::swap(fresh.res.EnergiaAdat, m.res.EnergiaAdat);
    render();
    const std::vector<Text> v = column(108, 240, 270);
    ASSERT_EQ(v.size(), 3u);
    for (const Text& t : v) EXPECT_EQ(t.text, QStringLiteral(" kWh"));
    EXPECT_EQ(column(25, 240, 270).size(), 5u);
}

// Chart items inside a frame: x between the frame's sides, y between its top and bottom.
bool inFrame(double x, double y, int frame) {
    const double top[] = {124, 164, 204}, bottom[] = {159, 199, 239};
    return x > 15 && x < 132 && y > top[frame] && y < bottom[frame];
}

TEST_F(Sheet, TemperatureCurvesAndTheirLegendFollowTheSystemsTanks) {
    struct Case {
        int system;
        std::vector<int> curves;
    };
    const Case cases[] = {{11, {1, 2, 3}}, {13, {1, 2, 3, 4, 5, 6}}, {21, {10}}, {44, {1, 2, 3, 4, 5, 6}},
                          {45, {1, 2, 3, 4, 5, 6, 10}}};
    const char* const names[] = {"1. tároló, felső rész", "1. tároló, középső rész", "1. tároló, alsó rész",
                                 "2. tároló, felső rész", "2. tároló, középső rész", "2. tároló, alsó rész",
                                 "3. tároló, felső rész", "3. tároló, középső rész", "3. tároló, alsó rész",
                                 "medence"};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.system);
        choose(c.system);
        calculate(1);
        render();
        double y = 134;
        for (int curve : c.curves) {
            const QColor colour = paletteColour(m.s.Szinek(curve));
            EXPECT_EQ(valueAt(150, y - 2), QString::fromUtf8(names[curve - 1]));
            EXPECT_TRUE(std::any_of(page->lines.begin(), page->lines.end(), [&](const auto& l) {
                return near(l.x1, 140) && near(l.x2, 145) && near(l.y1, y) && l.colour == colour && l.width == 5;
            }));
            // The day's 25 hour marks joined by 24 segments.
            const auto segments = std::count_if(page->lines.begin(), page->lines.end(), [&](const auto& l) {
                return l.width == 5 && l.colour == colour && inFrame(l.x1, l.y1, 0) && inFrame(l.x2, l.y2, 0);
            });
            EXPECT_EQ(segments, 24) << curve;
            y += 4;
        }
        EXPECT_EQ(textAt(150, y - 2), nullptr) << "no further legend entry";
    }
}

TEST_F(Sheet, BarsStandOnTheCyclesTimeAxisInProportionToTheirValues) {
    choose(21);
    calculate(3);
    render();
    // Pool losses of the year, one light blue bar a month in the second frame.
    std::vector<RecordingDevice::Rect> bars;
    for (const auto& r : page->rects)
        if (r.fill == paletteColour(9) && inFrame(r.x1, r.y2 - 0.1, 1)) bars.push_back(r);
    ASSERT_EQ(bars.size(), 12u);
    std::sort(bars.begin(), bars.end(), [](const auto& a, const auto& b) { return a.x1 < b.x1; });
    const double base = bars[0].y2;
    for (int mo = 2; mo <= 12; ++mo) {
        const double ratio = double(m.res.HaviMedVeszteseg(mo)) / double(m.res.HaviMedVeszteseg(1));
        EXPECT_NEAR((base - bars[mo - 1].y1) / (base - bars[0].y1), ratio, 1e-6) << mo;
    }
    const QStringList months = {"Jan.", "Febr.", "Márc.", "Ápr.",  "Máj.", "Jún.",
                                "Júl.", "Aug.",  "Szept.", "Okt.", "Nov.", "Dec."};
    for (const QString& month : months) {
        const Text* t = find(month);
        ASSERT_NE(t, nullptr) << month.toStdString();
    }

    // A monthly run: one bar of collector heat per day of the month with any.
    choose(11);
    calculate(2, 6);
    render();
    int collectorBars = 0;
    for (const auto& r : page->rects)
        if (r.fill == paletteColour(6) && inFrame(r.x1, r.y2 - 0.1, 2)) ++collectorBars;
    int sunnyDays = 0;
    for (int d = 1; d <= 30; ++d) sunnyDays += m.res.NapokKollHo(6, d) > 0;
    EXPECT_EQ(collectorBars, sunnyDays);
    EXPECT_GT(sunnyDays, 20);
    EXPECT_NE(find(QStringLiteral("30")), nullptr);

    // A period across the new year: its months in order.
    calculate(4, 11, 2);
    render();
    std::vector<Text> axis;
    for (const Text& t : page->texts)
        if (inFrame(t.x, t.top, 0) && t.top > 150) axis.push_back(t);
    std::sort(axis.begin(), axis.end(), [](const Text& a, const Text& b) { return a.x < b.x; });
    QStringList shown;
    for (const Text& t : axis) shown << t.text;
    EXPECT_EQ(shown, QStringList({"0", "Nov.", "Dec.", "Jan.", "Febr."}));
}

// The text right of "A számítás jellege: ", or null without a cycle line.
const Text* cycleLine(const RecordingDevice& page) {
    const Text* label = nullptr;
    for (const Text& t : page.texts)
        if (t.text == QStringLiteral("A számítás jellege: ")) label = &t;
    if (!label) return nullptr;
    for (const Text& t : page.texts)
        if (near(t.top, label->top) && t.x > label->x) return &t;
    return nullptr;
}

// Options chosen on the window but not calculated yet change neither the
// cycle line nor the charts: both stay the calculation's whose figures are
// printed. A run that fails leaves no figures, no cycle line and no charts:
// the installation and the project are printed without them.
TEST_F(Sheet, TheCycleLineAndChartsAreTheCalculationsWhoseFiguresArePrinted) {
    choose(11);
    calculate(3);
    // "Napi" with an average March day chosen, then "&Nyomtatás".
    m.s.Szamitasmod = 1;
    m.s.Naptipus = 2;
    m.s.Honapvalasztas = 3;
    render();
    const Text* line = cycleLine(*page);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, QStringLiteral("Éves ciklus"));
    EXPECT_NE(find(QStringLiteral("Dec.")), nullptr);
    int collectorBars = 0;
    for (const auto& r : page->rects) collectorBars += r.fill == paletteColour(6) && inFrame(r.x1, r.y2 - 0.1, 2);
    EXPECT_EQ(collectorBars, 12);

    // A monthly run of June, then the period option chosen.
    calculate(2, 6);
    m.s.Szamitasmod = 4;
    m.s.Honapvalasztas = 9;
    render();
    line = cycleLine(*page);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->text, QStringLiteral("Havi ciklus:  Június"));
    EXPECT_NE(find(QStringLiteral("30")), nullptr);

    // Eight collectors and a daily run that fails on a huge draw.
    m.s.Kollektorszam = 8;
    for (int d = 1; d <= 7; ++d) m.fogy.Fogynapi(1, 0, d) = 100000;
    calculate(1, 8);
    render();
    EXPECT_EQ(cycleLine(*page), nullptr);
    EXPECT_EQ(find(QStringLiteral("A számítás jellege: ")), nullptr);
    for (const auto& r : page->rects)
        for (int frame = 0; frame < 3; ++frame) EXPECT_FALSE(inFrame(r.x1, r.y1 + 0.1, frame)) << frame;
    for (const Text& t : page->texts)
        for (int frame = 0; frame < 3; ++frame) EXPECT_FALSE(inFrame(t.x, t.top + 0.1, frame)) << t.text.toStdString();
    const std::vector<Text> energies = column(108, 240, 270);
    ASSERT_EQ(energies.size(), 3u);
    for (const Text& t : energies) EXPECT_EQ(t.text, QStringLiteral(" kWh"));
    EXPECT_NE(find(QStringLiteral(" 8  db")), nullptr);
    EXPECT_NE(find(QStringLiteral("Melegvíz készítés")), nullptr);
}

// A system picked on the window after the run is not the one the figures
// were calculated for: the system type, the schematic, the legend and the
// temperature curves stay the calculated system's.
TEST_F(Sheet, TheSystemPrintedIsTheCalculatedOne) {
    choose(11);
    calculate(3);
    choose(21);
    render();
    EXPECT_NE(find(QStringLiteral("Melegvíz készítés")), nullptr);
    EXPECT_EQ(find(QStringLiteral("Medence fűtés")), nullptr);
    EXPECT_NE(find(QStringLiteral("Melegvíz készítés hőszükséglete")), nullptr);
    EXPECT_EQ(find(QStringLiteral("medence")), nullptr);
    EXPECT_NE(find(QStringLiteral("1. tároló, felső rész")), nullptr);
    QStringList pictures;
    for (const SheetOp& op : buildSizingSheet(m, kToday, NumberLocale::decimalComma()))
        if (op.kind == SheetOp::Kind::Picture) pictures << op.text;
    EXPECT_EQ(pictures, QStringList({QStringLiteral(":/nk/schema_11.svg")}));
    // An unknown system chosen since does not stop the calculated one printing.
    m.s.Rendszerszam = 17;
    EXPECT_EQ(sheetInputError(m), 0);
}

// The chart titles name the unit of one bar: an hour's mean power, a day's
// or a month's amount.
TEST_F(Sheet, ChartTitlesNameTheUnitOfTheirBars) {
    const struct {
        int cycle;
        const char *heat, *quantities;
    } cases[] = {
        {1, "Hőszükséglet, hőnyereség [kW]", "Hőteljesítmények [kW]"},
        {2, "Hőszükséglet, hőnyereség [kWh/nap]", "Hőmennyiségek [kWh/nap]"},
        {3, "Hőszükséglet, hőnyereség [kWh/hónap]", "Hőmennyiségek [kWh/hónap]"},
        {4, "Hőszükséglet, hőnyereség [kWh/hónap]", "Hőmennyiségek [kWh/hónap]"},
    };
    choose(11);
    for (const auto& c : cases) {
        calculate(c.cycle, 6, 8);
        render();
        EXPECT_EQ(valueAt(135, 167), QString::fromUtf8(c.heat)) << c.cycle;
        EXPECT_EQ(valueAt(135, 206), QString::fromUtf8(c.quantities)) << c.cycle;
    }
}

TEST_F(Sheet, InputsOutOfTheirBoundsAreFoundBeforePrinting) {
    struct Case {
        int type, model;
        double system;
        int error;
    };
    const Case cases[] = {{3, 0, 11, 0},   {3, 99, 11, kSubscript}, {9, 0, 11, kSubscript}, {-1, 0, 11, kSubscript},
                          {3, 0, 17, kSubscript}, {3, 0, 40000, kOverflow}, {6, 0, 46, 0}};
    for (const Case& c : cases) {
        m.s.Kollektortipus = c.type;
        m.s.Kollektormodell = c.model;
        m.s.Rendszerszam = c.system;
        EXPECT_EQ(sheetInputError(m), c.error) << c.type << " " << c.model << " " << c.system;
    }
}

TEST(SheetRun, AFailedOperationRunsAgainOnRequestAndCancelStopsTheRest) {
    const std::vector<SheetOp> ops(3, SheetOp{SheetOp::Kind::Print});
    std::vector<std::size_t> runs;
    std::vector<int> reported;
    int failuresLeft = 2;
    auto run = [&](const SheetOp& op) {
        const std::size_t i = std::size_t(&op - ops.data());
        runs.push_back(i);
        return i == 1 && failuresLeft-- > 0 ? 27 : 0;
    };
    EXPECT_TRUE(runSheet(ops, run, [&](int n) {
        reported.push_back(n);
        return true;
    }));
    EXPECT_EQ(runs, (std::vector<std::size_t>{0, 1, 1, 1, 2}));
    EXPECT_EQ(reported, (std::vector<int>{27, 27}));

    runs.clear();
    failuresLeft = 1;
    EXPECT_FALSE(runSheet(ops, run, [](int) { return false; }));
    EXPECT_EQ(runs, (std::vector<std::size_t>{0, 1}));
}

TEST(PrintErrorText, NamesTheProblemOrTheErrorNumber) {
    EXPECT_EQ(printErrorText(25), QStringLiteral("Valaki nyomja meg a printer on-line gombját!"));
    EXPECT_EQ(printErrorText(27), QStringLiteral("Van egyáltalán nyomtatója?"));
    EXPECT_EQ(printErrorText(9),
              QStringLiteral("Szóljon a számítógép gazdájának vagy a Vilmarexnek, hogy\r\n 9 számú hiba lépett fel."));
    EXPECT_TRUE(printErrorText(482).endsWith(QStringLiteral("\r\n 482 számú hiba lépett fel.")));
}

// "&Nyomtatás" on the calculation window.
class PrintCommand : public testing::StartedProgram {
protected:
    QString retryQuestion() const {
        return QStringLiteral("Kattintson az OK-re, ha a hibát sikerült kijavítani!Ha nem sikerült, kattintson a Cancel-re!");
    }
    QTemporaryDir dir;
};

TEST_F(PrintCommand, CancellingThePrintDialogOnlyBeeps) {
    calc->Command7->click();
    EXPECT_EQ(dialogs.printDialogs, 1);
    EXPECT_EQ(messages.beeps, 1);
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(PrintCommand, PrintsTheSheetIntoThePdfFileChosenInTheDialog) {
    const QString file = dir.filePath(QStringLiteral("adatlap.pdf"));
    dialogs.pdfFiles = {file};
    calc->Command7->click();
    EXPECT_EQ(messages.beeps, 0);
    EXPECT_TRUE(messages.shown.empty());
    QFile pdf(file);
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_TRUE(pdf.read(5) == "%PDF-");
    EXPECT_GT(pdf.size(), 10000);
}

TEST_F(PrintCommand, APrinterErrorIsExplainedAndRetriedUntilCancelled) {
    const QString file = dir.filePath(QStringLiteral("nincs/adatlap.pdf"));
    dialogs.pdfFiles = {file};
    messages.answers = {Answer::Ok, Answer::Cancel};
    calc->Command7->click();
    ASSERT_EQ(messages.shown.size(), 4u);
    for (int i : {0, 2}) {
        EXPECT_EQ(messages.shown[i].text, printErrorText(kPrinterError));
        EXPECT_EQ(messages.shown[i].title, QString());
        EXPECT_EQ(messages.shown[i].icon, MsgIcon::None);
        EXPECT_EQ(messages.shown[i + 1].text, retryQuestion());
    }
    EXPECT_EQ(messages.asked, (std::vector<Question>{Question::OkCancel, Question::OkCancel}));
    EXPECT_EQ(messages.beeps, 2);
    EXPECT_FALSE(QFile::exists(file));
}

TEST_F(PrintCommand, OkAfterTheProblemIsFixedGoesOnWithTheSameOperation) {
    const QString file = dir.filePath(QStringLiteral("nincs/adatlap.pdf"));
    dialogs.pdfFiles = {file};
    messages.answers = {Answer::Ok};
    messages.beforeAnswer = [&] { QDir(dir.path()).mkdir(QStringLiteral("nincs")); };
    calc->Command7->click();
    EXPECT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(QFile::exists(file));
}

TEST_F(PrintCommand, AnInputOutOfItsBoundsIsReportedOnceWithoutPrinting) {
    m().s.Kollektormodell = 99;
    calc->Command7->click();
    EXPECT_EQ(dialogs.printDialogs, 0);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.endsWith(QStringLiteral("\r\n 9 számú hiba lépett fel.")));
    EXPECT_TRUE(messages.asked.empty());
    EXPECT_EQ(messages.beeps, 1);
}

}  // namespace
}  // namespace nk::ui
