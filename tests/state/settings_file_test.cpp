#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>
#include <sstream>
#include <string>
#include <vector>

#include "platform/codepage.h"
#include "radiation/radiation.h"
#include "simulation/cycles/drivers.h"
#include "state/defaults.h"
#include "state/settings_file.h"
#include "state/working_copies.h"

namespace nk {
namespace {

// The start-up state with the working copies the settings window loads.
void startUp(Model& m) {
    Alapertekek(m);
    copyActiveToWorking(m);
}

std::vector<std::string> lines(const std::string& bytes) {
    std::vector<std::string> out;
    std::size_t start = 0;
    while (start < bytes.size()) {
        const std::size_t end = bytes.find("\r\n", start);
        out.push_back(bytes.substr(start, end - start));
        start = end + 2;
    }
    return out;
}

std::string written(const Model& m) {
    const SettingsFileWrite w = writeSettingsFile(m);
    EXPECT_TRUE(w.ok) << w.field;
    return w.bytes;
}

// The calculation window's result cells after an annual run from the start
// of the weather sequence.
std::vector<std::string> annualResults(Model& m) {
    m.rnd = Random();
    initialCalculationChoices(m);
    runCalculation(m);
    std::vector<std::string> cells(m.res.tablazat.tablazat1.begin(), m.res.tablazat.tablazat1.end());
    cells.push_back(m.res.tablazat.csohoveszteseg);
    return cells;
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override { startUp(m); }
    Model m;
};

TEST_F(SettingsFile, TheStartUpFileHasItsLinesItemsAndRecords) {
    const std::string bytes = written(m);
    const auto all = lines(bytes);
    ASSERT_EQ(all.size(), 9041u);
    EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");
    std::size_t items = 0;
    for (const std::string& l : all) items += 1 + std::count(l.begin(), l.end(), ',');
    EXPECT_EQ(items, 9105u);
    EXPECT_EQ(all[0], "3");  // the largest model index
    EXPECT_EQ(all[1], "1");  // type 1 has one model
    EXPECT_EQ(all[2], "1.8,.65,1.2,.008,\"N\xE9vtelen\"");  // Windows-1250
    EXPECT_EQ(all[7], "1.78,.798,4.17,.011,\"Heliovant HV 300\"");
    EXPECT_EQ(all[17], "3,0,3,5.34");  // collector choice
    EXPECT_EQ(all[18], "0");           // constant controller
    const std::size_t controller = 19;
    EXPECT_EQ(all[controller], "10");        // January, tank 1 switch-on difference
    EXPECT_EQ(all[controller + 4], "70");    // January, tank 1 maximum
    EXPECT_EQ(all[controller + 144], "10");  // the constant set
    EXPECT_EQ(all[controller + 156], "45,0");  // tilt and azimuth
    EXPECT_EQ(all[controller + 157], "10");    // system loss
    EXPECT_EQ(all[controller + 162], "20");    // circulation loss
    const std::size_t tanks = controller + 163 + 2688 + 2 + 6144;
    EXPECT_EQ(all[tanks], "300,300,300");
    EXPECT_EQ(all[tanks + 1], "50,10");
    EXPECT_EQ(all[tanks + 2], "#FALSE#,.3,0,#TRUE#,#FALSE#");
    EXPECT_EQ(all[tanks + 3], "12,26");
    EXPECT_EQ(all[tanks + 4], "1,8,4,1.2,3,32");
    EXPECT_EQ(all[tanks + 5], "20,25");
    EXPECT_EQ(all[tanks + 6], "3,0");
    EXPECT_EQ(all[tanks + 7], "1,1,1,1,1,11");
    EXPECT_EQ(all[tanks + 8], "\"\"");  // the first project text, empty
    EXPECT_EQ(all.back(), "1000");
}

TEST_F(SettingsFile, WritingReadingAndWritingAgainGivesTheSameBytes) {
    Settings& s = m.s;
    s.beallProjekt.Letesitmenynev = "Uszoda, \"Hullám\" fürdő";
    s.beallProjekt.Megrendelovaros = "Győr";
    s.beallProjekt.Megjegyzes = "első sor, vesszővel\r\nmásodik sor: űrtartalom\r\n\"idézet\"";
    s.beallProjekt.Keszitette = "Kovács Ödön";
    m.kat.KatNev(3, 1) = "Modell \"X\", 2 m2";
    s.BeallAutomod = 1;
    m.prog.BeallAutMaxhofok2(1, 7) = 85;
    s.BeallDolesszog = 37;
    s.BeallTajolas = -15;
    s.BeallRendszerkategoria = 4;
    s.BeallKombrendszer = 3;
    s.BeallRendszerszam = 43;
    s.BeallMedterfutott = kFalse;
    s.BeallMedfekves = 0.6;
    m.fogy.BeallFogynapi(5, 0, 2) = Currency::fromDouble(123);
    m.prog.BeallIdoprogramok(2, 4, 1, 3, 17, 1) = 1;
    s.BeallSugarzastenyezo = 1049;
    const std::string first = written(m);
    EXPECT_NE(first.find("\"Uszoda, \"\"Hull\xE1m\"\" f\xFCrd\xF5\""), std::string::npos);

    Model back;
    Alapertekek(back);
    const SettingsFileRead r = readSettingsFile(first, back);
    ASSERT_TRUE(r.ok) << r.problem;
    EXPECT_EQ(back.s.projekt.Megjegyzes, s.beallProjekt.Megjegyzes);
    EXPECT_EQ(back.s.projekt.Letesitmenynev, s.beallProjekt.Letesitmenynev);
    EXPECT_EQ(back.kat.KatNev(3, 1), m.kat.KatNev(3, 1));
    EXPECT_EQ(back.s.Dolesszog.d(), 37);
    EXPECT_EQ(back.s.Rendszerszam.d(), 43);
    EXPECT_EQ(back.s.Medterfutott.d(), 0);
    copyActiveToWorking(back);
    EXPECT_TRUE(written(back) == first);

    // The same file in UTF-8, with or without a byte-order mark.
    const std::string utf8 = fromWindows1250(first);
    for (const std::string& variant : {utf8, "\xEF\xBB\xBF" + utf8}) {
        Model again;
        Alapertekek(again);
        ASSERT_TRUE(readSettingsFile(variant, again).ok);
        copyActiveToWorking(again);
        EXPECT_TRUE(written(again) == first);
    }
}

// A file whose lines, and the lines of its remark, end in bare line feeds
// reads as one with carriage returns: the remark keeps its lines as the
// program keeps them.
TEST_F(SettingsFile, ReadingAcceptsLineFeedsAndLeadingZeros) {
    m.s.beallProjekt.Megjegyzes = "első sor\r\nmásodik sor\r\n\r\nnegyedik sor";
    const std::string text = written(m);
    for (const bool bareLineFeeds : {false, true}) {
        std::string file;
        for (char c : text)
            if (c != '\r' || !bareLineFeeds) file += c;
        const std::string plain = bareLineFeeds ? "\n1.78,.798," : "\r\n1.78,.798,";
        file.replace(file.find(plain), plain.size(), bareLineFeeds ? "\n1.78,0.798," : "\r\n1.78,0.798,");
        Model back;
        Alapertekek(back);
        const SettingsFileRead r = readSettingsFile(file, back);
        ASSERT_TRUE(r.ok) << r.problem;
        EXPECT_EQ(back.kat.KatA(3, 0).d(), 0.798);
        EXPECT_EQ(back.s.projekt.Megjegyzes, m.s.beallProjekt.Megjegyzes) << bareLineFeeds;
    }
}

TEST_F(SettingsFile, AnUnheatedHallMayHaveNoTemperatureAHeatedOneMust) {
    std::string text = written(m);
    const std::string plain = "\r\n12,26\r\n";
    text.replace(text.find(plain), plain.size(), "\r\n12,0\r\n");
    Model heated;
    Alapertekek(heated);
    EXPECT_FALSE(readSettingsFile(text, heated).ok);
    const std::string hall = "#FALSE#,.3,0,#TRUE#,#FALSE#";
    text.replace(text.find(hall), hall.size(), "#TRUE#,.3,0,#FALSE#,#FALSE#");
    Model unheated;
    Alapertekek(unheated);
    ASSERT_TRUE(readSettingsFile(text, unheated).ok);
    EXPECT_EQ(unheated.s.Medterhofok.d(), 0);
}

TEST_F(SettingsFile, AConstantKeptAsTypedTextReadsAsItsNumber) {
    std::string text = written(m);
    const std::string plain = "1.78,.798,4.17,";
    text.replace(text.find(plain), plain.size(), "1.78,\"0,81\",\"4.5\",");
    Model back;
    Alapertekek(back);
    ASSERT_TRUE(readSettingsFile(text, back).ok);
    EXPECT_EQ(back.kat.KatA(3, 0).d(), 0.81);
    EXPECT_EQ(back.kat.KatB(3, 0).d(), 4.5);
}

TEST_F(SettingsFile, ATextTheCodePageCannotHoldIsRefusedByName) {
    m.s.beallProjekt.Megrendelonev = "Жуков Kft.";
    const SettingsFileWrite w = writeSettingsFile(m);
    EXPECT_FALSE(w.ok);
    EXPECT_TRUE(w.bytes.empty());
    EXPECT_EQ(w.field, "Megrendelő");
    EXPECT_EQ(w.character, "Ж");
}

TEST_F(SettingsFile, OpeningDerivesWhatOkWould) {
    m.s.BeallKollektortipus = 5;
    m.s.BeallKollektormodell = 1;
    m.s.BeallKollektorszam = 2;
    m.s.BeallOsszfelulet = 7.2f;
    m.s.BeallTarolo1terfogat = 150;
    m.s.BeallMedalak = 2;
    m.s.BeallDolesszog = 30;
    m.prog.BeallAutBekapcsdT1(0, 1) = 7;
    const std::string file = written(m);
    Model back;
    Alapertekek(back);
    ASSERT_TRUE(readSettingsFile(file, back).ok);
    const Settings& s = back.s;
    EXPECT_EQ(s.Kollektorfelulet.d(), double(3.6f));
    EXPECT_EQ(s.KollA.d(), 0.9);
    EXPECT_EQ(s.BeallKollektorszam, 2);
    EXPECT_DOUBLE_EQ(s.Tar1Alsoterf.d(), 50);
    EXPECT_EQ(s.Legkisebbterfogat.toDouble(), 150);
    EXPECT_EQ(s.Medfelulet.d(), 7.06);  // the circle of 3 m
    EXPECT_EQ(s.Medterfogat, CSng(8.47));
    for (int month = 1; month <= 12; ++month) EXPECT_EQ(back.prog.AutBekapcsdT1(0, month).d(), 7) << month;
    Model tilted;
    Alapertekek(tilted);
    tilted.s.Dolesszog = 30;
    Sugarzastablazat(tilted);
    EXPECT_EQ(back.klima.Kollsugarzas(6, 12, 2), tilted.klima.Kollsugarzas(6, 12, 2));
}

TEST_F(SettingsFile, ResultsAfterOpeningEqualThoseBeforeSaving) {
    Model saved;
    startUp(saved);
    commitSettings(saved, PoolButtons{true, 3, true, false, 0});  // an OK: the state a designer saves
    const auto before = annualResults(saved);
    Model opened;
    Alapertekek(opened);
    ASSERT_TRUE(readSettingsFile(written(saved), opened).ok);
    EXPECT_EQ(annualResults(opened), before);
}

// --- Damaged and foreign files -----------------------------------------------------------

struct BadFile {
    const char* name;
    std::function<std::string(std::string)> damage;
    const char* says;  // part of the message
};
void PrintTo(const BadFile& c, std::ostream* os) { *os << c.name; }

// Cuts a file after `n` lines.
std::string firstLines(const std::string& bytes, std::size_t n) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) at = bytes.find("\r\n", at) + 2;
    return bytes.substr(0, at);
}

// Replaces line `n` (from 0).
std::string withLine(const std::string& bytes, std::size_t n, const std::string& line) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) at = bytes.find("\r\n", at) + 2;
    const std::size_t end = bytes.find("\r\n", at);
    return bytes.substr(0, at) + line + bytes.substr(end);
}

// Replaces item `item` (from 0) of line `n` (from 0).
std::string withItem(const std::string& bytes, std::size_t n, std::size_t item, const std::string& value) {
    std::size_t at = 0;
    for (std::size_t i = 0; i < n; ++i) at = bytes.find("\r\n", at) + 2;
    for (std::size_t i = 0; i < item; ++i) at = bytes.find(',', at) + 1;
    const std::size_t end = std::min(bytes.find(',', at), bytes.find("\r\n", at));
    return bytes.substr(0, at) + value + bytes.substr(end);
}

// Lines of the start-up file.
constexpr std::size_t kCollectorLine = 17, kModeLine = 18, kJanuaryLine = 19, kConstantLine = 163, kTiltLine = 175,
                      kHotWaterLine = 176, kFirstProfileLine = 182, kTankProgrammeLine = 2870,
                      kFirstSwitchLine = 2872, kTankLine = 9016, kPoolLine = 9018, kSystemLine = 9023;

class DamagedFile : public SettingsFile, public ::testing::WithParamInterface<BadFile> {};

TEST_P(DamagedFile, IsRefusedAndChangesNothing) {
    const std::string good = written(m);
    const std::string bad = GetParam().damage(good);
    m.s.Kollektorszam = 7;  // differs from the file: would change if anything were applied
    const auto table = m.klima.Kollsugarzas;
    const SettingsFileRead r = readSettingsFile(bad, m);
    EXPECT_FALSE(r.ok);
    EXPECT_NE(r.problem.find(GetParam().says), std::string::npos) << r.problem;
    EXPECT_EQ(m.s.Kollektorszam.d(), 7);
    EXPECT_EQ(m.kat.KatMaxIndex, 3);
    EXPECT_EQ(m.kat.KatDarab(5), 3);
    for (int month = 1; month <= 12; ++month) ASSERT_EQ(m.klima.Kollsugarzas(month, 12, 2), table(month, 12, 2));
    m.s.Kollektorszam = 3;
    copyActiveToWorking(m);
    EXPECT_TRUE(written(m) == good);  // every setting as it was
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedFile,
    ::testing::Values(
        BadFile{"empty", [](std::string) { return std::string(); }, "1. adatcsoport"},
        BadFile{"cut_in_the_catalogue", [](std::string f) { return firstLines(f, 5); }, "3. adatcsoport"},
        BadFile{"cut_in_the_consumption", [](std::string f) { return firstLines(f, 1000); }, "adatcsoport"},
        BadFile{"cut_in_the_programmes", [](std::string f) { return firstLines(f, 8000); }, "13. adatcsoport"},
        BadFile{"cut_before_the_site", [](std::string f) { return firstLines(f, 9040); }, "23. adatcsoport"},
        BadFile{"not_a_number", [](std::string f) { return withLine(f, 17, "3,0,sok,5.34"); }, "nem szám"},
        BadFile{"too_large_for_its_field", [](std::string f) { return withLine(f, 17, "3,0,40000,5.34"); },
                "40000"},
        BadFile{"more_collectors_than_the_window_takes",
                [](std::string f) { return withItem(f, kCollectorLine, 2, "501"); }, "„darabszám” adata 501"},
        BadFile{"a_pool_shallower_than_the_window_takes",
                [](std::string f) { return withItem(f, kPoolLine + 2, 3, ".19"); }, "„mélység” adata 0,19"},
        BadFile{"more_models_than_the_index", [](std::string f) { return withLine(f, 1, "5"); },
                "modellek száma"},
        BadFile{"a_type_without_models", [](std::string f) { return withLine(f, 1, "0"); }, "modellek száma"},
        BadFile{"an_unknown_system", [](std::string f) { return withLine(f, 9023, "1,1,1,1,1,17"); },
                "rendszerszám"},
        BadFile{"a_group_without_systems", [](std::string f) { return withLine(f, 9023, "1,1,1,1,3,31"); },
                "rendszercsoport"},
        BadFile{"a_text_without_quotes", [](std::string f) { return withLine(f, 9024, "Uszoda"); },
                "szöveg"},
        BadFile{"a_utf8_text_the_code_page_cannot_hold",
                [](std::string f) { return withLine(fromWindows1250(f), 9024, "\"Café à la carte\""); },
                "„A létesítmény megnevezése” adata olyan karaktert („à”) tartalmaz"},
        BadFile{"an_unknown_site", [](std::string f) { return withLine(f, 9040, "1010"); }, "sugárzási tényező"},
        BadFile{"more_than_the_last_record", [](std::string f) { return f + "1000\r\n"; }, "további adatok"},
        BadFile{"binary_garbage",
                [](std::string) {
                    std::string g;
                    for (int i = 0; i < 4000; ++i) g += char((i * 37 + 11) % 256);
                    return g;
                },
                "1. adatcsoport"}));


// --- Values no window gives --------------------------------------------------------------

// A field that the window fills with a whole number or one of a few choices
// holding anything else: the value is named with its item, as one out of
// range is.
BadFile notFromAWindow(const char* name, std::size_t line, std::size_t item, const char* value, const char* says) {
    return BadFile{name, [=](std::string f) { return withItem(f, line, item, value); }, says};
}

INSTANTIATE_TEST_SUITE_P(
    ValuesNoWindowGives, DamagedFile,
    ::testing::Values(
        notFromAWindow("collector_count", kCollectorLine, 2, "2.5", "„darabszám” adata 2,5, de egész"),
        notFromAWindow("collector_type", kCollectorLine, 0, "2.5", "„típus” adata 2,5, de egész"),
        notFromAWindow("collector_model", kCollectorLine, 1, ".5", "„modell” adata 0,5, de egész"),
        notFromAWindow("controller_mode", kModeLine, 0, ".5", "„üzemmód” adata 0,5, de egész"),
        notFromAWindow("tank_on_off_in_the_programme", kJanuaryLine + 8, 0, ".5", "„1. tároló be/ki” adata 0,5"),
        notFromAWindow("pool_on_off_constant", kConstantLine + 11, 0, ".5", "„medence be/ki” adata 0,5"),
        notFromAWindow("pool_switch_on_difference", kJanuaryLine + 3, 0, "10.5", "„medence bekapcsolási dT” adata 10,5"),
        notFromAWindow("constant_switch_on_difference", kConstantLine, 0, "10.5",
                       "„1. tároló bekapcsolási dT” adata 10,5"),
        notFromAWindow("constant_maximum", kConstantLine + 5, 0, "70.5", "„2. tároló max. hőfok” adata 70,5"),
        notFromAWindow("tilt", kTiltLine, 0, "37.5", "„dőlésszög” adata 37,5"),
        notFromAWindow("system_loss", kHotWaterLine, 0, "10.5", "„rendszerveszteség” adata 10,5"),
        notFromAWindow("hot_water_temperature", kHotWaterLine + 1, 0, "45.5", "„melegvíz hőmérséklete” adata 45,5"),
        notFromAWindow("cold_water_temperature", kHotWaterLine + 2, 0, "12.5", "„hidegvíz hőmérséklete” adata 12,5"),
        notFromAWindow("consumption_type", kHotWaterLine + 3, 0, "1.5", "„fogyasztás jellege” adata 1,5"),
        notFromAWindow("daily_or_weekly", kHotWaterLine + 4, 0, ".5", "„napi vagy heti program” adata 0,5"),
        notFromAWindow("circulation_loss", kHotWaterLine + 5, 0, "20.5", "„cirkulációs veszteség” adata 20,5"),
        notFromAWindow("litres_a_day", kFirstProfileLine + 1, 0, "200.5", "„napi fogyasztás” adata 200,5"),
        notFromAWindow("persons", kFirstProfileLine + 2, 0, "1e-45", "„személyek száma” adata"),
        notFromAWindow("hour_weight", kFirstProfileLine + 4, 0, "1e-45", "„0. óra súlya” adata"),
        notFromAWindow("tank_heater_programme", kTankProgrammeLine, 0, "2.5", "„időprogram” adata 2,5"),
        notFromAWindow("tank_heater_daily_or_weekly", kTankProgrammeLine + 1, 0, ".5",
                       "„napi vagy heti program” adata 0,5"),
        notFromAWindow("heater_switch", kFirstSwitchLine, 0, "1e-45", "„0:00 kapcsolása” adata"),
        notFromAWindow("tank_volume", kTankLine, 0, "300.5", "„1. tároló térfogata” adata 300,5"),
        notFromAWindow("tank_heater_temperature", kTankLine + 1, 0, "50.5", "„bekapcsolási hőmérséklet” adata 50,5"),
        notFromAWindow("pool_exposure_between", kPoolLine, 1, ".5", "„fekvés” adata 0,5, de csak 1, 0,6 vagy 0,3"),
        notFromAWindow("pool_exposure_none", kPoolLine, 1, "0", "„fekvés” adata 0, de csak 1, 0,6 vagy 0,3"),
        notFromAWindow("pool_exposure_near", kPoolLine, 1, ".6000000238418579", "„fekvés” adata 0,600000023841858"),
        notFromAWindow("night_foil", kPoolLine, 2, ".5", "„éjszakai fóliatakarás” adata 0,5"),
        notFromAWindow("night_foil_tiny", kPoolLine, 2, "1e-45", "„éjszakai fóliatakarás” adata"),
        notFromAWindow("make_up_water_temperature", kPoolLine + 1, 0, "12.5", "„vízpótlás hőmérséklete” adata 12,5"),
        notFromAWindow("pool_shape", kPoolLine + 2, 0, "1.5", "„alak” adata 1,5"),
        notFromAWindow("pool_heater_power", kPoolLine + 3, 0, "20.5", "„teljesítmény” adata 20,5"),
        notFromAWindow("pool_heater_programme", kPoolLine + 4, 0, "2.5", "„időprogram” adata 2,5"),
        notFromAWindow("pool_heater_daily_or_weekly", kPoolLine + 4, 1, ".5", "„napi vagy heti program” adata 0,5"),
        notFromAWindow("hot_water_system", kSystemLine, 0, "1.5", "„melegvíz rendszer” adata 1,5"),
        notFromAWindow("heating_system", kSystemLine, 2, "1.5", "„fűtési rendszer” adata 1,5")));

// The annual programme's editor keeps a tank's switch-on difference and
// maximum as typed, fractions included: a file that holds them still reads.
TEST_F(SettingsFile, TheAnnualProgrammesTypedFractionsStillRead) {
    std::string file = withItem(written(m), kJanuaryLine, 0, "12.5");
    file = withItem(file, kJanuaryLine + 4, 0, "65.25");
    Model back;
    Alapertekek(back);
    const SettingsFileRead r = readSettingsFile(file, back);
    ASSERT_TRUE(r.ok) << r.problem;
    EXPECT_EQ(back.prog.AutBekapcsdT1(1, 1).d(), 12.5);
    EXPECT_EQ(back.prog.AutMaxhofok1(1, 1).d(), 65.25);
}

// The three exposures the window's buttons store read back as those values.
TEST_F(SettingsFile, EachPoolExposureTheWindowOffersReadsBack) {
    for (const Var exposure : {Var(1), Var(0.6), Var(0.3)}) {
        m.s.BeallMedfekves = exposure;
        Model back;
        Alapertekek(back);
        const SettingsFileRead r = readSettingsFile(written(m), back);
        ASSERT_TRUE(r.ok) << r.problem;
        EXPECT_EQ(back.s.Medfekves.d(), exposure.d());
        copyActiveToWorking(back);
        EXPECT_EQ(back.s.BeallMedfekves.d(), exposure.d());
    }
}

// Bytes that Windows-1250 leaves undefined, in a project text and a model's
// name, stay as they were through opening and saving, whether the file came
// in that code page or in UTF-8.
TEST_F(SettingsFile, BytesTheCodePageLeavesUndefinedAreKeptThroughASave) {
    const std::string odd = "\x81\x83\x88\x90\x98";
    std::string file = withLine(written(m), 2, "1.8,.65,1.2,.008,\"N\xE9vtelen " + odd + "\"");
    file = withLine(file, kSystemLine + 8, "\"" + odd + " Kov\xE1" "cs Kft.\"");  // the customer
    for (const std::string& bytes : {file, fromWindows1250(file)}) {
        Model back;
        Alapertekek(back);
        const SettingsFileRead r = readSettingsFile(bytes, back);
        ASSERT_TRUE(r.ok) << r.problem;
        copyActiveToWorking(back);
        const SettingsFileWrite w = writeSettingsFile(back);
        ASSERT_TRUE(w.ok) << w.field;
        EXPECT_TRUE(w.bytes == file);
    }
}

}  // namespace
}  // namespace nk
