#include "ui/calculation/sizing_sheet.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <limits>

#include "platform/text.h"
#include "simulation/cycles/results.h"
#include "simulation/cycles/run_steps.h"
#include "ui/month_names.h"

namespace nk::ui {

namespace {

constexpr double kKeep = std::numeric_limits<double>::quiet_NaN();

// Writes the operations in the order the page is built.
class SheetWriter {
public:
    std::vector<SheetOp> ops;

    void add(SheetOp op) { ops.push_back(std::move(op)); }
    void simple(SheetOp::Kind k) { add({k}); }
    void font(double points, bool bold) { add({.kind = SheetOp::Kind::Font, .points = points, .bold = bold}); }
    void width(int w) { add({.kind = SheetOp::Kind::Width, .width = w}); }
    void textColour(int c) { add({.kind = SheetOp::Kind::TextColour, .colour = c}); }
    void fillColour(int c) { add({.kind = SheetOp::Kind::FillColour, .colour = c}); }
    void at(double x, double y) { add({.kind = SheetOp::Kind::MoveTo, .x1 = x, .y1 = y}); }
    void atX(double x) { at(x, kKeep); }
    void lineStart(double x) { add({.kind = SheetOp::Kind::LineStart, .x1 = x}); }
    void print(const QString& items, bool endLine) {
        add({.kind = SheetOp::Kind::Print, .text = items, .endLine = endLine});
    }
    void line(double x1, double y1, double x2, double y2, int colour = -1) {
        add({.kind = SheetOp::Kind::Line, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = colour});
    }
    void box(double x1, double y1, double x2, double y2, int border) {
        add({.kind = SheetOp::Kind::Box, .x1 = x1, .y1 = y1, .x2 = x2, .y2 = y2, .colour = border});
    }
    // A title in its own font and colour, ending its line.
    void title(double x, double y, double points, bool bold, int colour, const QString& text) {
        at(x, y);
        font(points, bold);
        textColour(colour);
        print(text, true);
    }
    // A rule in its own width and colour, which becomes the text colour.
    void rule(double x1, double y1, double x2, double y2, int w, int colour) {
        width(w);
        textColour(colour);
        line(x1, y1, x2, y2);
    }
    // A label staying on the line, then its value list at `valueX` ending it.
    void row(double x, const QString& label, double valueX, const QString& value) {
        atX(x);
        print(label, false);
        atX(valueX);
        print(value, true);
    }
    // A text whose length the designer chose: the printer, which knows the
    // letters' widths, fits it into its room.
    void fitted(const QString& text, double right, double bottom, bool wraps) {
        add({.kind = SheetOp::Kind::Fit, .x2 = right, .y2 = bottom, .points = 6, .text = text, .endLine = true,
             .wraps = wraps});
    }
};

QString q(const std::string& s) { return QString::fromStdString(s); }

QString groupText(int group) {
    switch (group) {
        case 1: return QStringLiteral("Melegvíz készítés");
        case 2: return QStringLiteral("Medence fűtés");
        case 4: return QStringLiteral("Melegvíz készítés és medence fűtés");
        default: return {};
    }
}

// The system whose figures are printed: the one calculated last, whatever
// has been picked on the window since; before any run, the one chosen.
struct PrintedSystem {
    const Var& number;
    const Var& group;
};

PrintedSystem printedSystem(const Model& m) {
    const ShownCalculation& shown = m.res.shown;
    if (shown.cycle >= 1 && shown.cycle <= 4) return {shown.system, shown.group};
    return {m.s.Rendszerszam, m.s.Rendszerkategoria};
}

// The remark's first lines, as many as the settings window lets be typed; a
// file may hold more, and where they say anything their cut is marked.
QString remarkInItsRoom(const std::string& remark) {
    const QString crLf = QStringLiteral("\r\n");
    const QStringList lines = q(remark).split(crLf);
    const QString kept = lines.mid(0, kRemarkLines).join(crLf);
    const QStringList dropped = lines.mid(kRemarkLines);
    const bool said = std::any_of(dropped.begin(), dropped.end(), [](const QString& l) { return !l.trimmed().isEmpty(); });
    return said ? kept + QChar(0x2026) : kept;
}

// A text of a one-line box on one line: a file may hold line breaks in it,
// and the rows below would be printed over.
QString oneLine(const std::string& text) { return q(text).split(QStringLiteral("\r\n")).join(QLatin1Char(' ')); }

QString collectorTypeName(int type) {
    static const char* const kNames[] = {"Vákuumcsöves kollektor", "Vákuumos síkkollektor",
                                         "Szelektív síkkollektor", "Nem szelektív síkkollektor",
                                         "Lefedés nélküli kollektor", "Egyéb"};
    return type >= 1 && type <= 6 ? QString::fromUtf8(kNames[type - 1]) : QString();
}

// The project's texts are fitted between these: nothing may be printed
// under the schematic or over the collectors' heading.
constexpr double kSchematicLeft = 132, kCollectorsTop = 65;

// --- The charts of the three frames -----------------------------------------

constexpr double kFrameLeft = 15, kFrameRight = 132;
constexpr double kFrameTop[3] = {124, 164, 204};
constexpr double kFrameBottom[3] = {159, 199, 239};

// The plot inside a frame: room on the left for the scale, below for the axis.
struct Plot {
    double left, right, top, bottom;
    double width() const { return right - left; }
};
Plot plotOf(int frame) { return {kFrameLeft + 9, kFrameRight - 3, kFrameTop[frame] + 4, kFrameBottom[frame] - 5}; }

// The cycle's time axis: hours of the day, days of the month, or months.
struct TimeAxis {
    int cycle = 0;
    int day = 15;               // the recorded day of a daily run
    int month = 1;              // the month of a monthly run
    std::vector<int> months;    // the months of an annual or period run, in order
    int count = 0;              // bars per series
    std::vector<QString> labels;  // one per slot, empty where none is printed
};

TimeAxis timeAxisOf(const Model& m) {
    TimeAxis a;
    const ShownCalculation& shown = m.res.shown;
    if (!shown.arraysHoldIt) return a;
    a.cycle = shown.cycle;
    static const char* const kMonths[] = {"Jan.", "Febr.", "Márc.", "Ápr.",  "Máj.", "Jún.",
                                          "Júl.", "Aug.",  "Szept.", "Okt.", "Nov.", "Dec."};
    switch (a.cycle) {
        case 1:
            a.count = 24;
            for (int h = 0; h < 24; ++h) a.labels.push_back(h % 6 == 0 ? QString::number(h) : QString());
            break;
        case 2:
            a.month = shown.month;
            a.count = m.klima.Honapnapjai(a.month);
            for (int d = 1; d <= a.count; ++d)
                a.labels.push_back(d == 1 || d % 5 == 0 ? QString::number(d) : QString());
            break;
        case 3:
        case 4: {
            const int first = a.cycle == 3 ? 1 : shown.firstMonth;
            const int last = a.cycle == 3 ? 12 : ix(shown.lastMonth);
            for (int mo = first;; mo = mo % 12 + 1) {
                a.months.push_back(mo);
                a.labels.push_back(QString::fromUtf8(kMonths[mo - 1]));
                if (mo == last || a.months.size() == 12) break;
            }
            a.count = int(a.months.size());
            break;
        }
        default: break;
    }
    return a;
}

// An energy family: kWh per hour, day or month of the cycle.
struct EnergyFamily {
    HourlyArray Results::*ora;
    DailyArray Results::*napok;
    MonthlyArray Results::*havi;
};

std::vector<double> energySeries(const Model& m, const TimeAxis& a, const EnergyFamily& f) {
    const Results& r = m.res;
    std::vector<double> v;
    for (int i = 0; i < a.count; ++i) {
        double wh = 0;
        switch (a.cycle) {
            case 1: wh = (r.*f.ora)(a.day, i); break;
            case 2: wh = (r.*f.napok)(a.month, i + 1); break;
            default: wh = (r.*f.havi)(a.months[i]); break;
        }
        v.push_back(wh / 1000);
    }
    return v;
}

// A temperature curve: hourly values of a recorded day, daily means.
struct TemperatureFamily {
    HourlyArray Results::*ora;
    DailyArray Results::*napok;
};

// Curves 1 to 10 of the legend: the upper, middle and lower layer of tanks
// 1 to 3, then the pool.
const TemperatureFamily kCurves[10] = {
    {&Results::OraTar1Felso, &Results::NapokTar1Felso}, {&Results::OraTar1Kozep, &Results::NapokTar1Kozep},
    {&Results::OraTar1Also, &Results::NapokTar1Also},   {&Results::OraTar2Felso, &Results::NapokTar2Felso},
    {&Results::OraTar2Kozep, &Results::NapokTar2Kozep}, {&Results::OraTar2Also, &Results::NapokTar2Also},
    {&Results::OraTar3Felso, &Results::NapokTar3Felso}, {&Results::OraTar3Kozep, &Results::NapokTar3Kozep},
    {&Results::OraTar3Also, &Results::NapokTar3Also},   {&Results::OraMedTemp, &Results::NapokMedTemp},
};

const char* const kCurveNames[10] = {
    "1. tároló, felső rész",   "1. tároló, középső rész", "1. tároló, alsó rész",
    "2. tároló, felső rész",   "2. tároló, középső rész", "2. tároló, alsó rész",
    "3. tároló, felső rész",   "3. tároló, középső rész", "3. tároló, alsó rész",
    "medence",
};

// A daily run gives the 25 hour marks of its day; a monthly run the daily
// means of its hourly values; an annual or period run the monthly means of
// its daily means.
std::vector<double> temperatureSeries(const Model& m, const TimeAxis& a, const TemperatureFamily& f) {
    const Results& r = m.res;
    std::vector<double> v;
    if (a.cycle == 1) {
        for (int h = 0; h <= 24; ++h) v.push_back((r.*f.ora)(a.day, h));
    } else if (a.cycle == 2) {
        for (int d = 1; d <= a.count; ++d) {
            double sum = 0;
            for (int h = 1; h <= 24; ++h) sum += (r.*f.ora)(d, h);
            v.push_back(sum / 24);
        }
    } else {
        for (int mo : a.months) {
            const int n = m.klima.Honapnapjai(mo);
            double sum = 0;
            for (int d = 1; d <= n; ++d) sum += (r.*f.napok)(mo, d);
            v.push_back(sum / n);
        }
    }
    return v;
}

std::vector<int> drawnCurves(const Model& m) {
    const RecordedTemperatures rec = recordedTemperatures(ix(printedSystem(m).number));
    std::vector<int> curves;
    for (int i = 1; i <= 3 * rec.tanks; ++i) curves.push_back(i);
    if (rec.pool) curves.push_back(10);
    return curves;
}

// 1, 2 or 5 times a power of ten, at least v.
double niceCeiling(double v) {
    if (!(v > 0)) return 0;
    const double e = std::pow(10.0, std::floor(std::log10(v)));
    const double f = v / e;
    return (f <= 1 ? 1 : f <= 2 ? 2 : f <= 5 ? 5 : 10) * e;
}

// Axes, scale and time labels of a frame; the top of the scale is returned.
double drawAxes(SheetWriter& w, int frame, const TimeAxis& a, double maximum, const NumberLocale& loc) {
    const Plot p = plotOf(frame);
    const double top = niceCeiling(maximum);
    w.width(1);
    w.textColour(0);
    w.font(6, false);
    w.line(p.left, p.top, p.left, p.bottom);
    w.line(p.left, p.bottom, p.right, p.bottom);
    w.at(kFrameLeft + 1, p.top - 1.2);
    w.print(q(textForm(top, loc)), false);
    w.at(kFrameLeft + 1, p.bottom - 1.2);
    w.print(QStringLiteral("0"), false);
    const double step = p.width() / a.count;
    for (int i = 0; i < a.count; ++i) {
        if (a.labels[i].isEmpty()) continue;
        // The hours mark the start of their hour, days and months their middle.
        const double x = p.left + (a.cycle == 1 ? i : i + 0.5) * step;
        w.at(x - 1, p.bottom + 0.8);
        w.print(a.labels[i], false);
    }
    if (a.cycle == 1) {
        w.at(p.right - 2, p.bottom + 0.8);
        w.print(QStringLiteral("24"), false);
    }
    return top;
}

// Bars of each series side by side in every slot of the time axis.
void drawBars(SheetWriter& w, int frame, const TimeAxis& a, const std::vector<std::pair<int, std::vector<double>>>& series,
              const NumberLocale& loc) {
    double maximum = 0;
    for (const auto& s : series)
        for (double v : s.second) maximum = std::max(maximum, v);
    const double top = drawAxes(w, frame, a, maximum, loc);
    if (top <= 0) return;
    const Plot p = plotOf(frame);
    const double step = p.width() / a.count;
    const double bar = step * 0.8 / double(series.size());
    for (std::size_t k = 0; k < series.size(); ++k) {
        w.fillColour(series[k].first);
        for (int i = 0; i < a.count; ++i) {
            const double v = series[k].second[i];
            if (v <= 0) continue;
            const double x = p.left + i * step + step * 0.1 + k * bar;
            w.box(x, p.bottom - v / top * (p.bottom - p.top), x + bar, p.bottom, series[k].first);
        }
    }
}

void drawTemperatures(SheetWriter& w, const Model& m, const TimeAxis& a, const std::vector<int>& curves,
                      const NumberLocale& loc) {
    std::vector<std::vector<double>> values;
    double maximum = 0;
    for (int c : curves) {
        values.push_back(temperatureSeries(m, a, kCurves[c - 1]));
        for (double v : values.back()) maximum = std::max(maximum, v);
    }
    const double top = drawAxes(w, 0, a, maximum, loc);
    if (top <= 0) return;
    const Plot p = plotOf(0);
    const double step = p.width() / a.count;
    auto xOf = [&](std::size_t i) { return p.left + (a.cycle == 1 ? double(i) : i + 0.5) * step; };
    auto yOf = [&](double v) { return p.bottom - std::max(v, 0.0) / top * (p.bottom - p.top); };
    w.width(5);
    for (std::size_t k = 0; k < curves.size(); ++k) {
        const int colour = m.s.Szinek(curves[k]);
        const std::vector<double>& v = values[k];
        for (std::size_t i = 1; i < v.size(); ++i) w.line(xOf(i - 1), yOf(v[i - 1]), xOf(i), yOf(v[i]), colour);
    }
}

// The temperature legend lists the curves drawn, each a short line in its
// colour and its name.
void temperatureLegend(SheetWriter& w, const Model& m, const std::vector<int>& curves) {
    double y = 134;
    for (int c : curves) {
        w.width(5);
        w.line(140, y, 145, y, m.s.Szinek(c));
        w.at(150, y - 2);
        w.font(8, false);
        w.textColour(0);
        w.print(QString::fromUtf8(kCurveNames[c - 1]), false);
        y += 4;
    }
}

void charts(SheetWriter& w, const Model& m, const NumberLocale& loc) {
    const TimeAxis a = timeAxisOf(m);
    if (a.count == 0) return;
    const std::vector<int> curves = drawnCurves(m);
    drawTemperatures(w, m, a, curves, loc);
    temperatureLegend(w, m, curves);

    auto series = [&](HourlyArray Results::*ora, DailyArray Results::*napok, MonthlyArray Results::*havi) {
        return energySeries(m, a, {ora, napok, havi});
    };
    const auto hotWater = series(&Results::OraHmvHoigeny, &Results::NapokHmvHoigeny, &Results::HaviHmvHoigeny);
    const auto poolGain = series(&Results::OraMedNyereseg, &Results::NapokMedNyereseg, &Results::HaviMedNyereseg);
    const auto poolLoss = series(&Results::OraMedVeszteseg, &Results::NapokMedVeszteseg, &Results::HaviMedVeszteseg);
    std::vector<std::pair<int, std::vector<double>>> demand;
    switch (ix(printedSystem(m).group)) {
        case 1: demand = {{9, hotWater}}; break;
        case 2: demand = {{11, poolGain}, {9, poolLoss}}; break;
        case 4: {
            // One light blue bar carries both demands, as its legend says.
            std::vector<double> both(hotWater);
            for (std::size_t i = 0; i < both.size(); ++i) both[i] += poolLoss[i];
            demand = {{11, poolGain}, {9, both}};
            break;
        }
        default: break;
    }
    if (!demand.empty()) drawBars(w, 1, a, demand, loc);
    drawBars(w, 2, a,
             {{6, series(&Results::OraKollHo, &Results::NapokKollHo, &Results::HaviKollHo)},
              {12, series(&Results::OraHagyHo, &Results::NapokHagyHo, &Results::HaviHagyHo)}},
             loc);
}

// --- The rows of the page -----------------------------------------------------

// The name of the month of a daily or monthly run.
QString monthName(Integer month) {
    return month >= 1 && month <= 12 ? QString::fromUtf8(kMonthNames[month - 1]) : QString();
}

QString cycleText(const ShownCalculation& shown, const NumberLocale& loc, bool& endsLine) {
    endsLine = true;
    switch (shown.cycle) {
        case 1: {
            QString t = QStringLiteral("Napi ciklus,");
            switch (ix(shown.dayType)) {
                case 1: t += QStringLiteral(" derült "); break;
                case 2: t += QStringLiteral(" átlagos "); break;
                case 3: t += QStringLiteral(" borult "); break;
                default: endsLine = false; return t;
            }
            return t + monthName(shown.month) + QStringLiteral("i nap");
        }
        case 2: return QStringLiteral("Havi ciklus:") + QStringLiteral("  ") + monthName(shown.month);
        case 3: return QStringLiteral("Éves ciklus");
        default:
            return QStringLiteral("Időszaki ciklus:   ") + numberItem(shown.firstMonth, loc) +
                   QStringLiteral(". hónaptól  ") + numberItem(shown.lastMonth, loc) + QStringLiteral(". hónapig");
    }
}

void legendRow(SheetWriter& w, int fill, double y1, double y2, std::initializer_list<std::pair<double, const char*>> texts) {
    w.fillColour(fill);
    w.box(141, y1, 143, y2, 0);
    for (const auto& [y, text] : texts) {
        w.at(150, y);
        w.print(QString::fromUtf8(text), false);
    }
}

}  // namespace

QPageLayout sheetPageLayout() {
    constexpr double kMarginMm = 6;
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                       QMarginsF(kMarginMm, kMarginMm, kMarginMm, kMarginMm), QPageLayout::Millimeter);
}

ChartCaptions chartCaptions(int cycle) {
    const QString unit = q(amountUnit(cycle, AmountOver::ChartSlot));
    return {QStringLiteral("Hőszükséglet, hőnyereség ") + unit,
            (cycle == 1 ? QStringLiteral("Hőteljesítmények ") : QStringLiteral("Hőmennyiségek ")) + unit};
}

QString numberItem(const Var& v, const NumberLocale& loc) {
    if (v.isEmpty()) return {};
    // Printed numbers carry no digit groups.
    const NumberLocale plain{loc.decimal, ""};
    const QString t = q(textForm(v, plain));
    return (v.d() < 0 ? QString() : QStringLiteral(" ")) + t + QStringLiteral(" ");
}

QString numberItem(Integer v, const NumberLocale& loc) { return numberItem(Var(int(v)), loc); }

QString azimuthWord(Integer tajolas) {
    if (tajolas == 0) return QStringLiteral(" Dél");
    if (tajolas == 90) return QStringLiteral(" Kelet");
    if (tajolas == -90) return QStringLiteral(" Nyugat");
    if (tajolas >= 1 && tajolas <= 89) return QStringLiteral(" Délkelet");
    if (tajolas >= -89 && tajolas <= -1) return QStringLiteral(" Délnyugat");
    return {};
}

QString schematicPicture(int system) { return QStringLiteral(":/nk/schema_%1.svg").arg(system); }

int sheetInputError(const Model& m) {
    try {
        (void)m.kat.KatNev(ix(m.s.Kollektortipus), ix(m.s.Kollektormodell));
    } catch (const CalcError& e) {
        return e.number();
    }
    static const int kSystems[] = {11, 12, 13, 14, 15, 16, 21, 22, 41, 42, 43, 44, 45, 46};
    const Var& system = printedSystem(m).number;
    const double n = system.d();
    if (n < -32768.5 || n >= 32767.5) return kOverflow;
    for (int s : kSystems)
        if (ix(system) == s) return 0;
    return kSubscript;
}

std::vector<SheetOp> buildSizingSheet(const Model& m, const QDate& today, const NumberLocale& loc) {
    const Settings& s = m.s;
    SheetWriter w;
    w.simple(SheetOp::Kind::Begin);
    w.font(10, true);

    // Heading.
    w.rule(10, 26, 195, 26, 8, 2);
    const QString date = QLocale::system().toString(today, QLocale::ShortFormat);
    w.title(174, 21, 10, true, 0, date);
    w.title(10, 18, 16, true, 2, QStringLiteral("Méretezési adatlap"));

    // The installation and the project.
    w.at(15, 30);
    w.font(9, false);
    w.textColour(0);
    w.print(QStringLiteral("Rendszertípus: "), false);
    const PrintedSystem printed = printedSystem(m);
    if (const QString g = groupText(ix(printed.group)); !g.isEmpty()) {
        w.atX(47);
        w.print(g, true);
    }
    // The project's texts keep a millimetre clear of the schematic's frame.
    constexpr double kTextsRight = kSchematicLeft - 1, kTextsBottom = kCollectorsTop;
    const std::pair<const char*, const std::string*> names[] = {
        {"Létesítmény: ", &s.projekt.Letesitmenynev},
        {"Megrendelő: ", &s.projekt.Megrendelonev},
        {"Méretezést készítette: ", &s.projekt.Keszitette},
    };
    for (const auto& [label, name] : names) {
        w.atX(15);
        w.print(QString::fromUtf8(label), false);
        w.atX(47);
        w.fitted(oneLine(*name), kTextsRight, kTextsBottom, false);
    }
    w.atX(15);
    w.print(QStringLiteral("Megjegyzés: "), false);
    w.atX(47);
    w.fitted(remarkInItsRoom(s.projekt.Megjegyzes), kTextsRight, kTextsBottom, true);
    w.at(120, 30);
    w.print(QStringLiteral("Vázlat:"), true);
    w.add({.kind = SheetOp::Kind::Picture, .x1 = kSchematicLeft, .y1 = 30, .x2 = 63, .y2 = 35,
           .text = schematicPicture(ix(printed.number))});

    // Collectors.
    w.title(10, kCollectorsTop, 9, true, 2, QStringLiteral("NAPKOLLEKTOROK"));
    w.rule(43, 68, 195, 68, 5, 2);
    w.print(QString(), true);
    w.atX(15);
    w.font(9, false);
    w.textColour(0);
    w.print(QStringLiteral("Napkollektorok típusa:"), false);
    const int type = ix(s.Kollektortipus);
    if (const QString t = collectorTypeName(type); !t.isEmpty()) {
        w.atX(65);
        w.print(t, true);
    }
    w.row(15, QStringLiteral("Napkollektorok megnevezése:"), 65, oneLine(m.kat.KatNev(type, ix(s.Kollektormodell))));
    w.row(15, QStringLiteral("Napkollektorok száma:"), 65, numberItem(s.Kollektorszam, loc) + QStringLiteral(" db"));
    w.row(15, QStringLiteral("Napkollektorok hasznos felülete:"), 65,
          numberItem(s.Kollektorfelulet, loc) + QStringLiteral(" m2"));
    w.row(15, QStringLiteral("Teljes napkollektor felület:"), 65, numberItem(s.Osszfelulet, loc) + QStringLiteral(" m2"));
    w.row(15, QStringLiteral("Napkollektorok dőlésszöge:"), 65, numberItem(s.Dolesszog, loc) + QStringLiteral("°"));
    w.row(15, QStringLiteral("Napkollektorok tájolása:"), 65,
          numberItem(s.Tajolas, loc) + QStringLiteral("°") + azimuthWord(s.Tajolas));
    w.row(15, QStringLiteral("Napkollektorok hatásfok képlete: "), 65,
          QStringLiteral("Eta =") + numberItem(s.KollA, loc) + QStringLiteral(" - ") + numberItem(s.KollB, loc) +
              QStringLiteral(".X - ") + numberItem(s.KollC, loc) + QStringLiteral(".Gk.X2"));
    w.at(117, 72);
    w.print(QStringLiteral("Hatásfok:"), true);
    w.rule(56, 111, 195, 111, 5, 2);

    // Results.
    w.title(10, 108, 9, true, 2, QStringLiteral("MÉRETEZÉSI EREDMÉNYEK"));
    w.font(9, false);
    w.print(QString(), true);
    w.atX(15);
    w.textColour(0);
    // The cycle line names the calculation whose figures and charts follow,
    // whatever has been chosen on the window since.
    if (const ShownCalculation& shown = m.res.shown; shown.cycle >= 1 && shown.cycle <= 4) {
        w.print(QStringLiteral("A számítás jellege: "), false);
        bool endsLine = true;
        const QString cycle = cycleText(shown, loc, endsLine);
        w.print(cycle, endsLine);
    }
    w.title(135, 127, 9, true, 0, QStringLiteral("Hőmérsékletek [°C]"));
    // The chart titles name the unit of one bar of the charts drawn.
    const ChartCaptions captions = chartCaptions(m.res.shown.cycle);
    w.at(135, 167);
    w.print(captions.heat, true);
    w.at(135, 206);
    w.print(captions.quantities, true);

    // The chart frames and their titles' rules.
    w.textColour(0);
    w.width(2);
    for (int f = 0; f < 3; ++f) {
        const double top = kFrameTop[f], bottom = kFrameBottom[f];
        w.line(kFrameLeft, top, kFrameRight, top);
        w.line(kFrameLeft, top, kFrameLeft, bottom);
        w.line(kFrameLeft, bottom, kFrameRight, bottom);
        w.line(kFrameRight, top, kFrameRight, bottom);
    }
    for (double y : kFrameTop) w.line(132, y, 195, y);

    // The bar legend.
    w.width(1);
    w.simple(SheetOp::Kind::FillSolid);
    w.font(8, false);
    w.textColour(0);
    switch (ix(printed.group)) {
        case 1: legendRow(w, 9, 180, 187, {{182, "Melegvíz készítés hőszükséglete"}}); break;
        case 2:
            legendRow(w, 11, 175, 182, {{177, "Medence hőnyeresége"}});
            legendRow(w, 9, 190, 197, {{192, "Medence hővesztesége"}});
            break;
        case 4:
            legendRow(w, 11, 175, 182, {{177, "Medence hőnyeresége"}});
            legendRow(w, 9, 190, 197, {{190, "Melegvíz készítés hőszükséglete"}, {193, "Medence hővesztesége"}});
            break;
        default: break;
    }
    legendRow(w, 6, 215, 222, {{217, "Napkollektorok"}});
    legendRow(w, 12, 229, 236, {{231, "Hagyományos hőtermelő"}});

    // Arrays that a failed run left half written hold no calculation's
    // figures: the frames stay empty.
    try {
        SheetWriter c;
        charts(c, m, loc);
        w.ops.insert(w.ops.end(), c.ops.begin(), c.ops.end());
    } catch (const CalcError&) {
    }

    // Energy rows.
    w.at(25, 245);
    w.font(10, false);
    w.textColour(0);
    const Arr1<Var>& e = m.res.EnergiaAdat;
    const QString kwh = QStringLiteral(" kWh");
    // The efficiency and the solar fraction are per cent, as in the result table.
    auto percent = [&](const Var& v) { return v.isEmpty() ? QString() : numberItem(v, loc) + QStringLiteral("%"); };
    const std::pair<const char*, QString> rows[] = {
        {"Napkollektorok felületére érkező napsugárzás:", numberItem(e(1), loc) + kwh},
        {"Napkollektorokkal hasznosított hőmennyiség:", numberItem(e(2), loc) + kwh},
        {"Hagyományos hőtermelő hőmennyisége:", numberItem(e(3), loc) + kwh},
        {"Napkollektoros rendszer hatásfoka:", percent(e(4))},
        {"Szoláris részarány:", percent(e(5))},
    };
    for (const auto& [label, value] : rows) w.row(25, QString::fromUtf8(label), 108, value);
    w.at(152, 254);
    w.print(QStringLiteral("Energetikai adatok"), true);
    w.rule(15, 244, 195, 244, 1, 0);

    // Footer.
    w.title(107, 271, 10, false, 2, QStringLiteral("Csővezeték hőveszteség számítás – ") + date);
    w.rule(10, 270, 195, 270, 5, 2);
    w.simple(SheetOp::Kind::End);
    return std::move(w.ops);
}

}  // namespace nk::ui
