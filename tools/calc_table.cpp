// calc-table: runs the program's start-up and one calculation without any
// window, and prints the pipe-loss box and the result table as the
// calculation window shows them. The golden-result tests compare its output.
// Built with the windows, it also writes the sizing data sheet (--sheet).

#include <array>
#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <charconv>
#include <iostream>
#include <string>
#include <string_view>

#include "platform/files.h"
#include "simulation/cycles/drivers.h"
#include "state/defaults.h"
#include "state/settings_file.h"
#include "state/working_copies.h"
#ifdef NK_WITH_SHEET
#include "sheet_pdf.h"
#endif

namespace {

// Prints what the core would show in message boxes; the result table comes
// from the model after each run.
class PrintingUi : public nk::UiPort {
public:
    void message(const std::string& text, const std::string& title, nk::MsgIcon) override {
        std::cout << "message\t" << title << '\t' << text << '\n';
    }
};

struct Options {
    int system = 0;
    int cycle = 0;
    int month = 0;
    int lastMonth = 0;
    int dayType = 0;
    int startWeekday = 0;
    bool heatUp = false;
    int runs = 1;
    bool record = false;   // the run's result record after the table
    int hall = 0;          // the pool in a hall: 1 + 2 x opaque + unheated (0: as set)
    bool nightFoil = false;
    int poolHeaterProgramme = 0;
    std::string settings;  // a settings file opened before the run
    std::string save;      // the settings saved after it
    std::string sheet;     // the sizing data sheet of the last run, as PDF
};

[[noreturn]] void usage(const std::string& problem) {
    std::cerr << "calc-table: " << problem << '\n';
    std::exit(2);
}

int number(std::string_view option, const char* text, int lo, int hi) {
    char* end = nullptr;
    const long v = text ? std::strtol(text, &end, 10) : 0;
    if (!text || *text == '\0' || *end != '\0' || v < lo || v > hi)
        usage(std::string(option) + " takes a whole number from " + std::to_string(lo) + " to " + std::to_string(hi));
    return int(v);
}

// The number (from 1) of the word among the four an option takes.
int word(std::string_view option, const char* text, const std::array<std::string_view, 4>& words) {
    const std::string_view given = text ? text : "";
    for (std::size_t k = 0; k < words.size(); ++k)
        if (given == words[k]) return int(k) + 1;
    usage(std::string(option) + " takes " + std::string(words[0]) + ", " + std::string(words[1]) + ", " +
          std::string(words[2]) + " or " + std::string(words[3]));
}

Options parse(int argc, char** argv) {
    Options o;
    for (int i = 1; i < argc; ++i) {
        const std::string_view a = argv[i];
        const char* next = i + 1 < argc ? argv[i + 1] : nullptr;
        if (a == "--system") {
            o.system = number(a, next, 11, 46), ++i;
            const int group = o.system / 10, variant = o.system % 10;
            const bool valid = (group == 1 && variant >= 1 && variant <= 6) || (group == 2 && variant >= 1 && variant <= 2) ||
                               (group == 4 && variant >= 1 && variant <= 6);
            if (!valid) usage("--system takes 11 to 16, 21, 22 or 41 to 46");
        } else if (a == "--cycle") {
            o.cycle = word(a, next, {"daily", "monthly", "annual", "period"}), ++i;
        } else if (a == "--month") {
            o.month = number(a, next, 1, 12), ++i;
        } else if (a == "--last-month") {
            o.lastMonth = number(a, next, 1, 12), ++i;
        } else if (a == "--day-type") {
            o.dayType = number(a, next, 1, 3), ++i;
        } else if (a == "--start-weekday") {
            o.startWeekday = number(a, next, 1, 7), ++i;
        } else if (a == "--heat-up") {
            o.heatUp = true;
        } else if (a == "--runs") {
            o.runs = number(a, next, 1, 1000), ++i;
        } else if (a == "--record") {
            o.record = true;
        } else if (a == "--hall") {
            o.hall = word(a, next, {"transparent-heated", "transparent-unheated", "opaque-heated", "opaque-unheated"});
            ++i;
        } else if (a == "--night-foil") {
            o.nightFoil = true;
        } else if (a == "--pool-heater-programme") {
            o.poolHeaterProgramme = number(a, next, 1, 4), ++i;
        } else if (a == "--sheet") {
#ifdef NK_WITH_SHEET
            if (!next || !*next) usage("--sheet takes a file name");
            o.sheet = next, ++i;
#else
            usage("--sheet needs the tool built with the windows");
#endif
        } else if (a == "--settings" || a == "--save") {
            if (!next || !*next) usage(std::string(a) + " takes a file name");
            (a == "--settings" ? o.settings : o.save) = next, ++i;
        } else {
            usage("unknown option " + std::string(a));
        }
    }
    return o;
}

[[noreturn]] void refuse(const std::string& file, const std::string& problem) {
    std::cerr << "calc-table: " << file << ": " << problem << '\n';
    std::exit(1);
}

// Why a file failed, as the settings window tells it by number.
std::string because(const nk::FileOutcome& f) { return f.reason + " (error " + std::to_string(f.error) + ")"; }

// Opens a settings file as the settings window's open command does.
void openSettings(nk::Model& m, const std::string& file) {
    std::string bytes;
    const nk::FileOutcome f = nk::readWholeFile(file, bytes);
    if (!f.ok()) refuse(file, "cannot be read: " + because(f));
    const nk::SettingsFileRead r = nk::readSettingsFile(bytes, m);
    if (!r.ok) refuse(file, r.problem);
    nk::copyActiveToWorking(m);
}

// Saves the settings as the settings window's save command does: whole or
// not at all, through the same replacement.
void saveSettings(nk::Model& m, const std::string& file) {
    nk::loadWorkingSystemChoice(m);  // the window takes the chosen system along
    const nk::SettingsFileWrite w = nk::writeSettingsFile(m);
    if (!w.ok) refuse(file, "the text of \"" + w.field + "\" has a character the file cannot hold: " + w.character);
    const nk::FileOutcome f = nk::replaceFile(file, w.bytes);
    if (!f.ok()) refuse(file, "cannot be written: " + because(f));
}

// A number exactly, in the shortest point form that reads back as itself.
std::string exact(double v) {
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    return std::string(buf, r.ptr);
}

// Element 1 of every result array, and the pool's gains, losses and
// temperatures, which the table does not show.
void printRecord(const nk::Model& m) {
    const nk::Results& r = m.res;
    const std::pair<const char*, const nk::ResultArray*> vars[] = {
        {"EredmQnap", &r.EredmQnap},           {"EredmKollHo", &r.EredmKollHo},
        {"EredmKollHoTar", &r.EredmKollHoTar}, {"EredmKollHoMed", &r.EredmKollHoMed},
        {"EredmKollHoPuf", &r.EredmKollHoPuf}, {"EredmHagyHo", &r.EredmHagyHo},
        {"EredmHagyHoTar", &r.EredmHagyHoTar}, {"EredmHagyHoMed", &r.EredmHagyHoMed},
        {"EredmHagyHoFut", &r.EredmHagyHoFut}, {"EredmTar1Atlag", &r.EredmTar1Atlag},
        {"EredmTar2Atlag", &r.EredmTar2Atlag}, {"EredmTar1FelsoMax", &r.EredmTar1FelsoMax},
        {"EredmTar2FelsoMax", &r.EredmTar2FelsoMax}, {"EredmTar3FelsoMax", &r.EredmTar3FelsoMax},
        {"EredmTar1AlsoMin", &r.EredmTar1AlsoMin}, {"EredmTar2AlsoMin", &r.EredmTar2AlsoMin},
        {"EredmMedTempMax", &r.EredmMedTempMax}, {"EredmMedTempMin", &r.EredmMedTempMin},
        {"EredmCsoArany", &r.EredmCsoArany},   {"EredmCsoArany2", &r.EredmCsoArany2},
        {"EredmMedArany", &r.EredmMedArany},   {"EredmPufArany", &r.EredmPufArany}};
    for (const auto& [name, array] : vars) std::cout << name << '\t' << exact((*array)(1).d()) << '\n';
    const std::pair<const char*, const nk::ResultArraySingle*> singles[] = {
        {"EredmQcso", &r.EredmQcso},           {"EredmSzivattyuperc", &r.EredmSzivattyuperc},
        {"EredmTar3Atlag", &r.EredmTar3Atlag}, {"EredmMedTempAtlag", &r.EredmMedTempAtlag},
        {"EredmTar3AlsoMin", &r.EredmTar3AlsoMin}, {"EredmFedezet", &r.EredmFedezet},
        {"EredmFedezetTar", &r.EredmFedezetTar}, {"EredmFedezetMed", &r.EredmFedezetMed},
        {"EredmFedezetFut", &r.EredmFedezetFut}};
    for (const auto& [name, array] : singles) std::cout << name << '\t' << exact((*array)(1)) << '\n';
    std::cout << "NapiMedNyereseg\t" << exact(r.NapiMedNyereseg) << '\n';
    std::cout << "NapiMedVeszteseg\t" << exact(r.NapiMedVeszteseg) << '\n';
    std::cout << "NapiMedTemp\t" << exact(r.NapiMedTemp) << '\n';
    std::cout << "Medencehomerseklet\t" << exact(m.st.Medencehomerseklet) << '\n';
    std::cout << "NapiEpHoigeny\t" << exact(r.NapiEpHoigeny) << '\n';
    std::cout << "NapiEpNyereseg\t" << exact(r.NapiEpNyereseg) << '\n';
    std::cout << "NapiKollHoPuf\t" << exact(r.NapiKollHoPuf) << '\n';
    std::cout << "NapiHagyHoFut\t" << exact(r.NapiHagyHoFut) << '\n';
    std::cout << "NapiOsszHoigeny\t" << exact(r.NapiOsszHoigeny) << '\n';
    std::cout << "NapiOsszNyereseg\t" << exact(r.NapiOsszNyereseg) << '\n';
    std::cout << "Szobahomerseklet\t" << exact(m.s.Szobahomerseklet) << '\n';
    const std::pair<const char*, const nk::MonthlyArray*> months[] = {
        {"HaviMedNyereseg", &r.HaviMedNyereseg}, {"HaviMedVeszteseg", &r.HaviMedVeszteseg},
        {"HaviMedTemp", &r.HaviMedTemp},         {"HaviEpHoigeny", &r.HaviEpHoigeny},
        {"HaviEpNyereseg", &r.HaviEpNyereseg},   {"HaviKollHoPuf", &r.HaviKollHoPuf},
        {"HaviHagyHoFut", &r.HaviHagyHoFut},     {"HaviOsszHoigeny", &r.HaviOsszHoigeny}};
    for (const auto& [name, array] : months)
        if (array->allocated())
            for (int month = 1; month <= 12; ++month)
                std::cout << name << '(' << month << ")\t" << exact((*array)(month)) << '\n';
}

void printTable(const nk::Model& m) {
    const nk::ResultTexts& t = m.res.tablazat;
    std::cout << "csohoveszteseg\t" << t.csohoveszteseg << '\n';
    for (int i = 0; i < 7; ++i) std::cout << "tablazat1(" << i << ")\t" << t.tablazat1[std::size_t(i)] << '\n';
}

int run(int argc, char** argv) {
    // As the program runs: under the locale the environment names, which
    // must change none of the printed numbers.
    std::setlocale(LC_ALL, "");
    const Options o = parse(argc, argv);

    PrintingUi ui;
    nk::Model m;
    m.ui = &ui;
    // Start-up: the defaults, the calculation window's choices and the
    // annual run of its first activation.
    nk::Alapertekek(m);
    nk::copyActiveToWorking(m);  // the settings window, loaded hidden
    nk::initialCalculationChoices(m);
    nk::runCalculation(m);
    if (!o.settings.empty()) openSettings(m, o.settings);

    nk::Settings& s = m.s;
    if (o.system) {
        s.Rendszerszam = o.system;
        s.Rendszerkategoria = o.system / 10;
        if (o.system / 10 == 1) s.HMVrendszer = o.system % 10;
        if (o.system / 10 == 2) s.Medrendszer = o.system % 10;
        if (o.system / 10 == 4) s.Kombrendszer = o.system % 10;
        nk::deriveSmallestTank(s);  // as the window's picker does
    }
    if (o.cycle) s.Szamitasmod = nk::Integer(o.cycle);
    if (o.month) s.Honapvalasztas = nk::Integer(o.month);
    if (s.Szamitasmod == 4) {
        if (o.month) s.ElsoHonap = nk::Integer(o.month);
        if (o.lastMonth) s.UtolsoHonap = o.lastMonth;
        nk::countPeriod(m);
    }
    // Choosing the daily cycle on the window re-reads the day-type option
    // (average unless another is chosen); the other cycles draw their own.
    if (s.Szamitasmod == 1) s.Naptipus = o.dayType ? o.dayType : 2;
    if (o.startWeekday) s.Kezdonap = nk::Integer(o.startWeekday);
    if (o.heatUp) s.Felfutes = nk::kTrue;
    if (o.hall) {
        s.Medfedett = nk::Var::boolean(true);
        s.Medatlatszofedes = nk::Var::boolean(o.hall <= 2);
        s.Medterfutott = nk::Var::boolean(o.hall % 2 == 1);
    }
    if (o.nightFoil) s.Medfoliatakaras = 1;
    if (o.poolHeaterProgramme) s.Medfutesprogram = o.poolHeaterProgramme;

    for (int r = 0; r < o.runs; ++r) {
        nk::runCalculation(m);
        printTable(m);
        if (o.record) printRecord(m);
    }
    if (!o.save.empty()) saveSettings(m, o.save);
#ifdef NK_WITH_SHEET
    if (!o.sheet.empty() && !writeSheetPdf(m, o.sheet)) refuse(o.sheet, "cannot be written");
#endif
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    // Whatever goes wrong ends with its reason and a failing status, never
    // with an abort.
    try {
        return run(argc, argv);
    } catch (const std::exception& e) {
        std::cerr << "calc-table: " << e.what() << '\n';
        return 1;
    }
}
