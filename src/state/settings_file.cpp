#include "state/settings_file.h"

#include <array>
#include <cmath>
#include <optional>
#include <utility>

#include "platform/codepage.h"
#include "radiation/radiation.h"
#include "state/catalogue_edit.h"
#include "state/defaults.h"
#include "state/working_copies.h"

namespace nk {

namespace {

// --- Numbers and texts as the file writes them ----------------------------------

const NumberLocale kFileNotation{".", ""};

// No 0 before the point: ".798", "-.5".
std::string withoutLeadingZero(std::string t) {
    if (t.rfind("0.", 0) == 0) t.erase(0, 1);
    if (t.rfind("-0.", 0) == 0) t.erase(1, 1);
    return t;
}

std::string fileNumber(Integer v) { return std::to_string(int(v)); }
std::string fileNumber(Single v) { return withoutLeadingZero(textForm(v, kFileNotation)); }
std::string fileNumber(double v) { return withoutLeadingZero(textForm(v, kFileNotation)); }
std::string fileNumber(Currency v) { return withoutLeadingZero(textForm(v, kFileNotation)); }
std::string fileBoolean(bool b) { return b ? "#TRUE#" : "#FALSE#"; }

// A quoted text; a quote inside it is doubled, so the file stays readable.
std::string fileText(const std::string& t) {
    std::string out = "\"";
    for (char c : t) {
        if (c == '"') out += '"';
        out += c;
    }
    return out + '"';
}

std::string fileVariant(const Var& v) {
    switch (v.kind()) {
        case VKind::Empty: return "";
        case VKind::Integer:
        case VKind::Long: return std::to_string(static_cast<long long>(v.d()));
        case VKind::Single: return fileNumber(static_cast<Single>(v.d()));
        case VKind::Double: return fileNumber(v.d());
        case VKind::Currency: return fileNumber(v.currency());
        case VKind::Boolean: return fileBoolean(v.d() != 0);
    }
    return "";
}

// The sixteen project texts, as the settings window captions them.
const char* const kProjectTextNames[kProjectTextCount] = {
    "A létesítmény megnevezése", "A létesítmény jellege", "A létesítmény irányítószáma", "A létesítmény városa",
    "A létesítmény utcája, házszáma", "A létesítmény telefonszáma", "A létesítmény telefaxszáma", "Megrendelő",
    "A Megrendelő irányítószáma", "A Megrendelő városa", "A Megrendelő utcája, házszáma", "A Megrendelő telefonszáma",
    "A Megrendelő telefaxszáma", "A teljesítés várható ideje", "Megjegyzés", "A méretezést készítette"};

// The twelve controller tables of one copy, in file order: a variant table
// or a 16-bit one each.
template <class G>
struct ControllerRow {
    decltype(&std::declval<G&>().AutBekapcsdT1) variant = nullptr;
    decltype(&std::declval<G&>().AutBekapcsdTMed) integer = nullptr;
};

template <class G>
std::array<ControllerRow<G>, 12> controllerTables(G& g, bool working) {
    if (working)
        return {{{&g.BeallAutBekapcsdT1}, {&g.BeallAutBekapcsdT2}, {&g.BeallAutBekapcsdT3}, {nullptr, &g.BeallAutBekapcsdTMed},
                 {&g.BeallAutMaxhofok1}, {&g.BeallAutMaxhofok2}, {&g.BeallAutMaxhofok3}, {nullptr, &g.BeallAutMaxhofokMed},
                 {&g.BeallAutBeKi1}, {&g.BeallAutBeKi2}, {&g.BeallAutBeKi3}, {nullptr, &g.BeallAutBeKiMed}}};
    return {{{&g.AutBekapcsdT1}, {&g.AutBekapcsdT2}, {&g.AutBekapcsdT3}, {nullptr, &g.AutBekapcsdTMed},
             {&g.AutMaxhofok1}, {&g.AutMaxhofok2}, {&g.AutMaxhofok3}, {nullptr, &g.AutMaxhofokMed},
             {&g.AutBeKi1}, {&g.AutBeKi2}, {&g.AutBeKi3}, {nullptr, &g.AutBeKiMed}}};
}

// --- Writing ----------------------------------------------------------------------

class Writer {
public:
    void line(std::initializer_list<std::string> items) {
        bool first = true;
        for (const std::string& item : items) {
            if (!first) out_ += ',';
            out_ += item;
            first = false;
        }
        out_ += "\r\n";
    }
    // A quoted text, checked against the code page.
    std::string text(const std::string& t, const std::string& field) {
        std::string bad;
        if (!badField_ && !toWindows1250(t, &bad)) {
            badField_ = field;
            badCharacter_ = bad;
        }
        return fileText(t);
    }
    SettingsFileWrite finish() {
        SettingsFileWrite r;
        if (badField_) {
            r.field = *badField_;
            r.character = badCharacter_;
            return r;
        }
        r.bytes = *toWindows1250(out_);
        r.ok = true;
        return r;
    }

private:
    std::string out_;
    std::optional<std::string> badField_;
    std::string badCharacter_;
};

// --- Reading ------------------------------------------------------------------------

struct Item {
    enum class Kind { Missing, Empty, Number, Text, Boolean, Word } kind = Kind::Missing;
    double number = 0;
    std::string text;  // as it stands in the file
};

// The items of a file one after the other, whatever its lines: a comma or a
// line end closes an item; a quoted item may run over line ends.
class Items {
public:
    explicit Items(std::string_view s) : s_(s) {}

    Item next() {
        Item it;
        if (i_ >= s_.size()) return it;
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t')) ++i_;
        if (i_ >= s_.size()) return it;
        if (s_[i_] == '"') {
            ++i_;
            while (i_ < s_.size()) {
                if (s_[i_] == '"') {
                    if (i_ + 1 < s_.size() && s_[i_ + 1] == '"') {
                        it.text += '"';
                        i_ += 2;
                        continue;
                    }
                    ++i_;
                    break;
                }
                it.text += s_[i_++];
            }
            it.kind = Item::Kind::Text;
            const std::string trailing = rest();
            if (trailing.find_first_not_of(" \t") != std::string::npos) it.kind = Item::Kind::Word;
            return it;
        }
        std::string raw = rest();
        while (!raw.empty() && (raw.back() == ' ' || raw.back() == '\t')) raw.pop_back();
        it.text = raw;
        if (raw.empty()) {
            it.kind = Item::Kind::Empty;
        } else if (raw == "#TRUE#" || raw == "#FALSE#") {
            it.kind = Item::Kind::Boolean;
            it.number = raw == "#TRUE#" ? -1 : 0;
        } else if (const auto v = localeRead(raw, kFileNotation)) {
            it.kind = Item::Kind::Number;
            it.number = *v;
        } else {
            it.kind = Item::Kind::Word;
        }
        return it;
    }

    // Whatever stands after the last item read, blanks and line ends aside.
    std::string_view remainder() const {
        std::size_t j = i_;
        while (j < s_.size() && (s_[j] == ' ' || s_[j] == '\t' || s_[j] == '\r' || s_[j] == '\n')) ++j;
        return s_.substr(j);
    }

private:
    // Up to the item's end, which is consumed.
    std::string rest() {
        std::string raw;
        while (i_ < s_.size() && s_[i_] != ',' && s_[i_] != '\r' && s_[i_] != '\n') raw += s_[i_++];
        if (i_ < s_.size()) {
            if (s_[i_] == '\r' && i_ + 1 < s_.size() && s_[i_ + 1] == '\n') ++i_;
            ++i_;
        }
        return raw;
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

struct FileProblem {
    std::string message;
};

const NumberLocale kMessageNotation = NumberLocale::decimalComma();

std::string shown(double v) { return textForm(v, kMessageNotation); }

// Shortened for a message: binary garbage must not flood the box.
std::string quoted(const std::string& t) {
    std::string s = t.size() > 40 ? t.substr(0, 40) + "..." : t;
    return "„" + s + "”";
}

// Takes items with the kind and range the file's place for them asks for,
// and names the group and the item when one is wrong.
class Reader {
public:
    explicit Reader(std::string_view text) : items_(text) {}

    void group(int number, std::string context) {
        group_ = number;
        context_ = std::move(context);
    }

    [[noreturn]] void fail(const std::string& what, const std::string& problem) const {
        std::string where = "a(z) " + std::to_string(group_) + ". adatcsoport";
        if (!context_.empty()) where += " (" + context_ + ")";
        throw FileProblem{"A beállítási file hibás: " + where + " „" + what + "” adata " + problem + "."};
    }

    Item take(const std::string& what) {
        Item it = items_.next();
        if (it.kind == Item::Kind::Missing) fail(what, "hiányzik, a file véget ért");
        return it;
    }

    double number(const std::string& what, double lo, double hi) {
        const Item it = take(what);
        if (it.kind != Item::Kind::Number) fail(what, "nem szám: " + quoted(it.text));
        return inRange(what, it.number, lo, hi);
    }

    double inRange(const std::string& what, double v, double lo, double hi) const {
        if (!(v >= lo && v <= hi)) fail(what, shown(v) + ", de " + shown(lo) + " és " + shown(hi) + " között kell lennie");
        return v;
    }

    // A number that the windows store only whole (a count, a choice, a
    // rounded entry): a fraction no window gives is refused rather than
    // calculated with and then rounded away by the window or the next save.
    double whole(const std::string& what, double lo, double hi) {
        const double v = number(what, lo, hi);
        if (v != std::floor(v)) fail(what, shown(v) + ", de egész számnak kell lennie");
        return v;
    }

    // One of the values that a field's buttons store, exactly.
    template <std::size_t N>
    Var oneOf(const std::string& what, const double (&choices)[N]) {
        const Item it = take(what);
        if (it.kind != Item::Kind::Number) fail(what, "nem szám: " + quoted(it.text));
        std::string listed;
        for (std::size_t i = 0; i < N; ++i) {
            if (it.number == choices[i]) return numberVar(choices[i]);
            listed += (i == 0 ? "" : i + 1 == N ? " vagy " : ", ") + shown(choices[i]);
        }
        fail(what, shown(it.number) + ", de csak " + listed + " lehet");
    }

    Integer integer(const std::string& what, double lo, double hi) { return CInt(whole(what, lo, hi)); }
    Single single(const std::string& what, double lo, double hi) { return CSng(number(what, lo, hi)); }
    Currency wholeCurrency(const std::string& what, double lo, double hi) {
        return Currency::fromDouble(whole(what, lo, hi));
    }

    // A number into a value that keeps its kind: whole numbers stay whole.
    Var variant(const std::string& what, double lo, double hi) { return numberVar(number(what, lo, hi)); }
    Var wholeVariant(const std::string& what, double lo, double hi) { return numberVar(whole(what, lo, hi)); }

    static Var numberVar(double v) {
        if (v == std::floor(v) && std::fabs(v) <= 2147483647.0) return Var(int(v));
        return Var(v);
    }

    Var boolean(const std::string& what) {
        const Item it = take(what);
        if (it.kind == Item::Kind::Boolean || (it.kind == Item::Kind::Number && (it.number == 0 || it.number == -1)))
            return Var::boolean(it.number != 0);
        fail(what, "nem igaz vagy hamis érték: " + quoted(it.text));
    }

    std::string text(const std::string& what) {
        const Item it = take(what);
        if (it.kind != Item::Kind::Text && it.kind != Item::Kind::Empty)
            fail(what, "nem idézőjelek közötti szöveg: " + quoted(it.text));
        // A UTF-8 file may hold what the code page cannot: such a text could
        // never be saved again.
        std::string bad;
        if (!toWindows1250(it.text, &bad))
            fail(what, "olyan karaktert („" + bad + "”) tartalmaz, amelyet a beállítási file nem tud tárolni");
        return it.text;
    }

    // A catalogue constant the catalogue editor may have kept as the text typed.
    Var constant(const std::string& what, double lo, double hi) {
        const Item it = take(what);
        std::optional<double> v;
        if (it.kind == Item::Kind::Number) v = it.number;
        if (it.kind == Item::Kind::Text) {
            v = localeRead(it.text, kFileNotation);
            if (!v) v = localeRead(it.text, kMessageNotation);
        }
        if (!v) fail(what, "nem szám: " + quoted(it.text));
        return numberVar(inRange(what, *v, lo, hi));
    }

    void end() {
        const std::string_view rest = items_.remainder();
        if (!rest.empty())
            throw FileProblem{"A beállítási file hibás: a 23. adatcsoport után további adatok következnek: " +
                              quoted(std::string(rest.substr(0, 41)))};
    }

private:
    Items items_;
    int group_ = 0;
    std::string context_;
};

const char* const kControllerNames[12] = {
    "1. tároló bekapcsolási dT", "2. tároló bekapcsolási dT", "3. tároló bekapcsolási dT", "medence bekapcsolási dT",
    "1. tároló max. hőfok",      "2. tároló max. hőfok",      "3. tároló max. hőfok",      "medence max. hőfok",
    "1. tároló be/ki",           "2. tároló be/ki",           "3. tároló be/ki",           "medence be/ki"};

// Ranges of the controller values: what the settings window and the annual
// programme editor let a designer enter.
struct Range {
    double lo, hi;
};
constexpr Range kControllerRanges[12] = {{1, 25},  {1, 25},  {1, 25},  {1, 25}, {20, 100}, {20, 100},
                                         {20, 100}, {15, 100}, {0, 1}, {0, 1}, {0, 1},     {0, 1}};

void readController(Reader& r, Programmes& g, int mode, int month) {
    const auto tables = controllerTables(g, false);
    for (int i = 0; i < 12; ++i) {
        const Range range = kControllerRanges[i];
        const auto& row = tables[std::size_t(i)];
        // The annual programme's editor keeps a tank's difference and maximum
        // as typed; the constant set's fields and the on/off boxes store whole
        // numbers only.
        const bool asTyped = mode == 1 && i < 8;
        if (!row.variant)
            (*row.integer)(mode, month) = r.integer(kControllerNames[i], range.lo, range.hi);
        else if (asTyped)
            (*row.variant)(mode, month) = r.variant(kControllerNames[i], range.lo, range.hi);
        else
            (*row.variant)(mode, month) = r.wholeVariant(kControllerNames[i], range.lo, range.hi);
    }
}

constexpr int kSiteFactors[6] = {952, 975, 1000, 1024, 1049, 1073};

// The wind exposures that the pool's three buttons store.
constexpr double kExposures[3] = {1, 0.6, 0.3};

// The pool's area for a rectangle or circle, and its volume, as the settings
// window computes them when it loads.
void derivePool(Settings& s) {
    const int shape = ix(s.Medalak);
    if (shape == 1) s.Medfelulet = s.Medhossz.d() * s.Medszelesseg.d();
    if (shape == 2) s.Medfelulet = Int(s.Medatmero.d() * s.Medatmero.d() * 3.14 / 4 * 100) / 100;
    if (shape >= 1 && shape <= 3) s.Medterfogat = CSng(Int(s.Medfelulet.d() * s.Medmelyseg.d() * 100) / 100);
}

}  // namespace

// --- Writing -----------------------------------------------------------------------------

SettingsFileWrite writeSettingsFile(const Model& m) {
    const Settings& s = m.s;
    const Catalogue& k = m.kat;
    const Programmes& g = m.prog;
    const ConsumptionProfiles& f = m.fogy;
    Writer w;

    w.line({fileNumber(k.KatMaxIndex)});
    for (int t = 1; t <= 6; ++t) {
        w.line({fileNumber(k.KatDarab(t))});
        for (int model = 0; model < k.KatDarab(t); ++model)
            w.line({fileNumber(k.KatFelulet(t, model)), fileVariant(k.KatA(t, model)), fileVariant(k.KatB(t, model)),
                    fileNumber(k.KatC(t, model)),
                    w.text(k.KatNev(t, model), "A(z) " + std::to_string(t) + ". napkollektor típus " +
                                                   std::to_string(model + 1) + ". modelljének megnevezése")});
    }
    w.line({fileNumber(s.BeallKollektortipus), fileNumber(s.BeallKollektormodell), fileNumber(s.BeallKollektorszam),
            fileNumber(s.BeallOsszfelulet)});
    w.line({fileVariant(s.BeallAutomod)});
    const auto tables = controllerTables(g, true);
    auto controllerLine = [&](const ControllerRow<const Programmes>& row, int mode, int month) {
        w.line({row.variant ? fileVariant((*row.variant)(mode, month)) : fileNumber((*row.integer)(mode, month))});
    };
    for (int month = 1; month <= 12; ++month)
        for (const auto& row : tables) controllerLine(row, 1, month);
    for (const auto& row : tables) controllerLine(row, 0, 1);
    w.line({fileVariant(s.BeallDolesszog), fileNumber(s.BeallTajolas)});
    for (const std::string& item : {fileNumber(s.BeallRendszerveszteseg), fileNumber(s.BeallMelegvizhofok),
                                    fileNumber(s.BeallHidegvizhofok), fileNumber(s.BeallFogyjelleg),
                                    fileNumber(s.BeallFogyheti), fileVariant(s.BeallCirkvesztes)})
        w.line({item});
    forEachConsumptionSlot([&](int p, int wk, int d) {
        w.line({fileNumber(f.BeallFogyoraiossz(p, wk, d))});
        w.line({fileNumber(f.BeallFogynapi(p, wk, d))});
        w.line({fileNumber(f.BeallFogyszemely(p, wk, d))});
        w.line({fileNumber(f.BeallFogyfajlagos(p, wk, d))});
        for (int h = 0; h <= 23; ++h) w.line({fileNumber(f.BeallFogyorai(p, wk, d, h))});
    });
    w.line({fileVariant(s.BeallTarolofutesprogram)});
    w.line({fileNumber(s.BeallTarolofutesheti)});
    forEachProgrammeSlot(2, [&](int a, int b, int c, int d, int e, int h) {
        w.line({fileNumber(g.BeallIdoprogramok(a, b, c, d, e, h))});
    });
    w.line({fileVariant(s.BeallTarolo1terfogat), fileVariant(s.BeallTarolo2terfogat), fileNumber(s.BeallTarolo3terfogat)});
    w.line({fileVariant(s.BeallTarolofuteshofok), fileNumber(s.BeallTarolofutesteljesitmeny)});
    w.line({fileVariant(s.BeallMedfedett), fileVariant(s.BeallMedfekves), fileNumber(s.BeallMedfoliatakaras),
            fileBoolean(s.BeallMedterfutott != 0), fileVariant(s.BeallMedatlatszofedes)});
    w.line({fileNumber(s.BeallMedvizpotlashofok), fileNumber(s.BeallMedterhofok)});
    w.line({fileNumber(s.BeallMedalak), fileVariant(s.BeallMedhossz), fileVariant(s.BeallMedszelesseg),
            fileVariant(s.BeallMedmelyseg), fileVariant(s.BeallMedatmero), fileVariant(s.BeallMedfelulet)});
    w.line({fileNumber(s.BeallMedfutesteljesitmeny), fileNumber(s.BeallMedfuteshofok)});
    w.line({fileVariant(s.BeallMedfutesprogram), fileVariant(s.BeallMedfutesheti)});
    w.line({fileVariant(s.BeallHMVrendszer), fileVariant(s.BeallMedrendszer), fileVariant(s.BeallFutesrendszer),
            fileNumber(s.BeallKombrendszer), fileNumber(s.BeallRendszerkategoria), fileNumber(s.BeallRendszerszam)});
    ProjectTexts texts = s.beallProjekt;
    for (int i = 0; i < kProjectTextCount; ++i) w.line({w.text(projectText(texts, i), kProjectTextNames[i])});
    w.line({fileNumber(s.BeallSugarzastenyezo)});
    return w.finish();
}

// --- Reading ----------------------------------------------------------------------------------

SettingsFileRead readSettingsFile(std::string_view bytes, Model& m) {
    const std::string text = decodeFileText(bytes);
    Reader r(text);
    // Everything is read into copies; the model changes only once all is sound.
    Catalogue k = m.kat;
    Settings s = m.s;
    ConsumptionProfiles f = m.fogy;
    Programmes g = m.prog;
    try {
        r.group(1, "napkollektor katalógus");
        k.KatMaxIndex = r.integer("legnagyobb modellindex", 0, 9999);
        k.reallocatePreserving(k.KatMaxIndex);
        for (int t = 1; t <= 6; ++t) {
            r.group(2, std::to_string(t) + ". napkollektor típus");
            k.KatDarab(t) = r.integer("modellek száma", 1, k.KatMaxIndex + 1);
            for (int model = 0; model < k.KatDarab(t); ++model) {
                r.group(3, std::to_string(t) + ". típus " + std::to_string(model + 1) + ". modellje");
                k.KatFelulet(t, model) = r.single("hasznos felület", 1, 10);
                k.KatA(t, model) = r.constant("A", 0.1, 1);
                k.KatB(t, model) = r.constant("B", 0.5, 20);
                k.KatC(t, model) = r.single("C", 0.001, 0.1);
                k.KatNev(t, model) = r.text("megnevezés");
            }
        }

        r.group(4, "napkollektorok");
        s.Kollektortipus = r.wholeVariant("típus", 1, 6);
        s.Kollektormodell = r.wholeVariant("modell", 0, k.KatDarab(ix(s.Kollektortipus)) - 1);
        s.Kollektorszam = r.wholeVariant("darabszám", 1, 500);
        s.Osszfelulet = Var(r.single("teljes felület", 0, 5000));

        r.group(5, "napkollektor automatika");
        s.Automod = r.wholeVariant("üzemmód", 0, 1);
        for (int month = 1; month <= 12; ++month) {
            r.group(6, "éves program, " + std::to_string(month) + ". hónap");
            readController(r, g, 1, month);
        }
        r.group(7, "állandó beállítás");
        readController(r, g, 0, 1);

        r.group(8, "dőlésszög, tájolás");
        s.Dolesszog = r.wholeVariant("dőlésszög", 0, 90);
        s.Tajolas = r.integer("tájolás", -90, 90);

        r.group(9, "melegvíz");
        s.Rendszerveszteseg = r.wholeVariant("rendszerveszteség", 0, 50);
        s.Melegvizhofok = r.wholeVariant("melegvíz hőmérséklete", 20, 90);
        s.Hidegvizhofok = r.wholeVariant("hidegvíz hőmérséklete", 5, 35);
        s.Fogyjelleg = r.wholeVariant("fogyasztás jellege", 1, 5);
        s.Fogyheti = r.wholeVariant("napi vagy heti program", 0, 1);
        if (ix(s.Fogyheti) == 1) r.inRange("fogyasztás jellege", s.Fogyjelleg, 1, 4);
        s.Cirkvesztes = r.wholeVariant("cirkulációs veszteség", 0, 50);

        forEachConsumptionSlot([&](int p, int w, int d) {
            r.group(10, std::to_string(p) + ". fogyasztási jelleg, " + (w ? "heti" : "napi") + " program, " +
                            std::to_string(d) + ". nap");
            // Every day of a listed profile has a weight sum to divide by.
            const bool listed = (w == 0 && p <= 5) || (w == 1 && p <= 4);
            const double lowest = listed && d >= 1 ? 1 : 0;
            f.Fogyoraiossz(p, w, d) = int(r.integer("órasúlyok összege", lowest, 32767));
            f.Fogynapi(p, w, d) = r.wholeCurrency("napi fogyasztás", 0, 100000);
            f.Fogyszemely(p, w, d) = int(r.integer("személyek száma", 0, 10000));
            f.Fogyfajlagos(p, w, d) = r.single("személyenkénti fogyasztás", 0, 100000);
            r.group(11, std::to_string(p) + ". fogyasztási jelleg, " + (w ? "heti" : "napi") + " program, " +
                            std::to_string(d) + ". nap");
            for (int h = 0; h <= 23; ++h)
                f.Fogyorai(p, w, d, h) = int(r.integer(std::to_string(h) + ". óra súlya", 0, 2000));
        });

        r.group(12, "tároló fűtése");
        s.Tarolofutesprogram = r.wholeVariant("időprogram", 1, 4);
        s.Tarolofutesheti = int(r.integer("napi vagy heti program", 0, 1));
        forEachProgrammeSlot(2, [&](int a, int b, int c, int d, int e, int h) {
            r.group(13, std::string(a == 1 ? "tároló" : "medence") + " fűtése, " + std::to_string(b) + ". program, " +
                            (c ? "heti" : "napi") + ", " + std::to_string(d) + ". nap");
            g.Idoprogramok(a, b, c, d, e, h) =
                int(r.integer(std::to_string(e) + ":" + (h ? "30" : "00") + " kapcsolása", 0, 1));
        });

        r.group(14, "tárolók");
        s.Tarolo1terfogat = r.wholeVariant("1. tároló térfogata", 50, 10000);
        s.Tarolo2terfogat = r.wholeVariant("2. tároló térfogata", 50, 10000);
        s.Tarolo3terfogat = r.integer("3. tároló térfogata", 50, 10000);
        r.group(15, "tároló fűtése");
        s.Tarolofuteshofok = r.wholeVariant("bekapcsolási hőmérséklet", 30, 90);
        s.Tarolofutesteljesitmeny = r.integer("teljesítmény", 1, 500);

        r.group(16, "a medence jellemzői");
        s.Medfedett = r.boolean("fedett");
        s.Medfekves = r.oneOf("fekvés", kExposures);
        s.Medfoliatakaras = r.integer("éjszakai fóliatakarás", 0, 1);
        s.Medterfutott = r.boolean("fűtött medencetér");
        s.Medatlatszofedes = r.boolean("átlátszó fedés");
        r.group(17, "a medence hőmérsékletei");
        s.Medvizpotlashofok = r.wholeCurrency("vízpótlás hőmérséklete", 5, 50);
        // An unheated hall's temperature is not used; older files may hold 0 there.
        s.Medterhofok = r.wholeCurrency("medencetér hőmérséklete", s.Medterfutott.d() != 0 ? 5 : 0, 40);
        r.group(18, "a medence méretei");
        s.Medalak = r.wholeVariant("alak", 1, 3);
        s.Medhossz = r.variant("hosszúság", 1, 100);
        s.Medszelesseg = r.variant("szélesség", 1, 100);
        s.Medmelyseg = r.variant("mélység", 0.2, 5);
        s.Medatmero = r.variant("átmérő", 1, 100);
        s.Medfelulet = r.variant("felület", 1, 10000);
        r.group(19, "a medence fűtése");
        s.Medfutesteljesitmeny = r.wholeCurrency("teljesítmény", 1, 500);
        s.Medfuteshofok = r.wholeCurrency("bekapcsolási hőmérséklet", 5, 40);
        r.group(20, "a medence fűtésének időprogramja");
        s.Medfutesprogram = r.wholeVariant("időprogram", 1, 4);
        s.Medfutesheti = r.wholeVariant("napi vagy heti program", 0, 1);

        r.group(21, "rendszer");
        s.HMVrendszer = r.wholeVariant("melegvíz rendszer", 1, 6);
        s.Medrendszer = r.wholeVariant("medence rendszer", 1, 2);
        s.Futesrendszer = r.wholeVariant("fűtési rendszer", 0, 9);
        s.Kombrendszer = r.wholeVariant("kombinált rendszer", 1, 6);
        s.Rendszerkategoria = r.wholeVariant("rendszercsoport", 1, 4);
        s.Rendszerszam = r.wholeVariant("rendszerszám", 11, 46);
        const int group = ix(s.Rendszerkategoria);
        if (group == 3) r.fail("rendszercsoport", "3, de csak 1, 2 vagy 4 lehet");
        const int variant = group == 1 ? ix(s.HMVrendszer) : group == 2 ? ix(s.Medrendszer) : ix(s.Kombrendszer);
        if (ix(s.Rendszerszam) != 10 * group + variant)
            r.fail("rendszerszám", shown(s.Rendszerszam) + ", de a rendszercsoport és a változat szerint " +
                                       std::to_string(10 * group + variant) + " lenne");

        r.group(22, "projekt adatok");
        for (int i = 0; i < kProjectTextCount; ++i)
            projectText(s.projekt, i) = crLfLineBreaks(r.text(kProjectTextNames[i]));
        r.group(23, "földrajzi helyszín");
        s.Sugarzastenyezo = r.variant("sugárzási tényező", 952, 1073);
        bool known = false;
        for (int factor : kSiteFactors) known |= s.Sugarzastenyezo.d() == factor;
        if (!known) r.fail("sugárzási tényező", shown(s.Sugarzastenyezo) + ", de csak a hat tájegység egyike lehet");
        r.end();
    } catch (const FileProblem& p) {
        return {false, p.message};
    } catch (const CalcError& e) {
        return {false, "A beállítási file hibás: " + std::string(e.what())};
    }

    m.kat = std::move(k);
    m.s = std::move(s);
    m.fogy = std::move(f);
    m.prog = std::move(g);

    // What OK would derive from the settings just read.
    Settings& a = m.s;
    a.BeallKollektorszam = CInt(a.Kollektorszam);
    const int type = ix(a.Kollektortipus), model = ix(a.Kollektormodell);
    a.Kollektorfelulet = m.kat.KatFelulet(type, model);
    a.KollA = m.kat.KatA(type, model);
    a.KollB = m.kat.KatB(type, model);
    a.KollC = m.kat.KatC(type, model);
    deriveTankLayers(a);
    deriveSmallestTank(a);
    deriveFacades(a);
    derivePool(a);
    for (const auto& row : controllerTables(m.prog, false))
        for (int month = 2; month <= 12; ++month) {
            if (row.variant) (*row.variant)(0, month) = (*row.variant)(0, 1);
            if (row.integer) (*row.integer)(0, month) = (*row.integer)(0, 1);
        }
    Sugarzastablazat(m);
    return {true, {}};
}

// --- The working copies of a loaded window ---------------------------------------------------

void copyActiveToWorking(Model& m) {
    Settings& s = m.s;
    const Catalogue& k = m.kat;
    s.BeallKollektorszam = CInt(s.Kollektorszam);
    s.BeallKollektortipus = CInt(s.Kollektortipus);
    s.BeallKollektormodell = CInt(s.Kollektormodell);
    s.BeallOsszfelulet = totalCollectorArea(k.KatFelulet(s.BeallKollektortipus, s.BeallKollektormodell),
                                            s.BeallKollektorszam);
    s.BeallAutomod = s.Automod;
    loadWorkingController(m);
    s.BeallDolesszog = s.Dolesszog;
    s.BeallTajolas = s.Tajolas;
    s.BeallRendszerveszteseg = CInt(s.Rendszerveszteseg);
    s.BeallCirkvesztes = s.Cirkvesztes;
    s.Fogyhetnapja = 1;
    s.BeallMelegvizhofok = CInt(s.Melegvizhofok);
    s.BeallHidegvizhofok = CInt(s.Hidegvizhofok);
    s.BeallFogyjelleg = CInt(s.Fogyjelleg);
    s.BeallFogyheti = CInt(s.Fogyheti);
    loadWorkingConsumption(m);
    // The window shows the chosen profile on Monday, which shares a built-in
    // profile's amounts with the other built-in ones.
    if (s.BeallFogyheti == 0 || s.BeallFogyheti == 1)
        if (isBuiltInProfile(s.BeallFogyjelleg, s.BeallFogyheti))
            shareBuiltInAmounts(m.fogy, s.BeallFogyjelleg, s.BeallFogyheti, 1);
    s.BeallTarolofutesprogram = s.Tarolofutesprogram;
    s.BeallTarolofutesheti = CInt(s.Tarolofutesheti);
    loadWorkingTimeProgrammes(m);
    s.BeallTarolo1terfogat = s.Tarolo1terfogat;
    s.BeallTarolo2terfogat = s.Tarolo2terfogat;
    s.BeallTarolo3terfogat = s.Tarolo3terfogat;
    s.BeallTarolofuteshofok = s.Tarolofuteshofok;
    s.BeallTarolofutesteljesitmeny = s.Tarolofutesteljesitmeny;
    s.BeallMedfedett = Var::boolean(s.Medfedett.d() != 0);
    for (double exposure : kExposures)
        if (s.Medfekves.d() == exposure) s.BeallMedfekves = exposure == 1.0 ? Var(1) : Var(exposure);
    s.BeallMedfoliatakaras = s.Medfoliatakaras != 0 ? 1 : 0;
    s.BeallMedvizpotlashofok = Currency::fromDouble(s.Medvizpotlashofok);
    s.BeallMedterhofok = Currency::fromDouble(s.Medterhofok);
    s.BeallMedterfutott = s.Medterfutott.d() != 0 ? kTrue : kFalse;
    s.BeallMedatlatszofedes = Var::boolean(s.Medatlatszofedes.d() != 0);
    s.BeallMedalak = CInt(s.Medalak);
    s.BeallMedhossz = s.Medhossz;
    s.BeallMedszelesseg = s.Medszelesseg;
    s.BeallMedmelyseg = s.Medmelyseg;
    s.BeallMedatmero = s.Medatmero;
    s.BeallMedfelulet = s.Medfelulet;
    if (s.BeallMedalak == 1) s.BeallMedfelulet = s.BeallMedhossz.d() * s.BeallMedszelesseg.d();
    if (s.BeallMedalak == 2)
        s.BeallMedfelulet = Int(s.BeallMedatmero.d() * s.BeallMedatmero.d() * 3.14 / 4 * 100) / 100;
    if (s.BeallMedalak >= 1 && s.BeallMedalak <= 3)
        s.BeallMedterfogat = CSng(Int(s.BeallMedfelulet.d() * s.BeallMedmelyseg.d() * 100) / 100);
    s.BeallMedfutesteljesitmeny = Currency::fromDouble(s.Medfutesteljesitmeny);
    s.BeallMedfuteshofok = Currency::fromDouble(s.Medfuteshofok);
    s.BeallMedfutesprogram = s.Medfutesprogram;
    s.BeallMedfutesheti = s.Medfutesheti;
    loadWorkingProjectTexts(m);
    for (int factor : kSiteFactors)
        if (s.Sugarzastenyezo.d() == factor) s.BeallSugarzastenyezo = Integer(factor);
    loadWorkingSystemChoice(m);
}

}  // namespace nk
