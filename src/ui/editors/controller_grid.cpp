#include "ui/editors/controller_grid.h"

#include <cmath>
#include <type_traits>

namespace nk::ui {

namespace {

constexpr std::array<int, 8> kNumberRows{1, 2, 4, 5, 7, 8, 10, 11};

constexpr std::string_view kDifferenceMessage = "A hőmérséklet különbség 5 és 25°C között állítható!";
constexpr std::string_view kMaximumMessage = "A maximális hőmérséklet 20 és 100°C között állítható!";

// The rule of the value box when no row is chosen: only the number test.
constexpr FieldRule kNumberOnly{0, 0, FieldStyle::Exclamation, "", ""};

// Row r's working array: the tanks' variants or the pool's 16-bit integers.
template <class G>
auto workingRow(G& g, int row) {
    using VarArr = std::conditional_t<std::is_const_v<G>, const Arr2<Var>*, Arr2<Var>*>;
    using IntArr = std::conditional_t<std::is_const_v<G>, const Arr2<Integer>*, Arr2<Integer>*>;
    struct Row {
        VarArr tank;
        IntArr pool;
    };
    switch (row) {
        case 1: return Row{&g.BeallAutBekapcsdT1, nullptr};
        case 2: return Row{&g.BeallAutMaxhofok1, nullptr};
        case 3: return Row{&g.BeallAutBeKi1, nullptr};
        case 4: return Row{&g.BeallAutBekapcsdT2, nullptr};
        case 5: return Row{&g.BeallAutMaxhofok2, nullptr};
        case 6: return Row{&g.BeallAutBeKi2, nullptr};
        case 7: return Row{&g.BeallAutBekapcsdT3, nullptr};
        case 8: return Row{&g.BeallAutMaxhofok3, nullptr};
        case 9: return Row{&g.BeallAutBeKi3, nullptr};
        case 10: return Row{nullptr, &g.BeallAutBekapcsdTMed};
        case 11: return Row{nullptr, &g.BeallAutMaxhofokMed};
        default: return Row{nullptr, &g.BeallAutBeKiMed};
    }
}

// The bound the spinner runs to, and whether the value is still short of it.
struct SpinBound {
    double bound;
    bool up;
    bool shortOf(double v) const { return up ? v < bound : v > bound; }
};

std::optional<SpinBound> spinBound(int row, bool up) {
    if (!isNumberRow(row)) return std::nullopt;
    if (rowKind(row) == RowKind::Difference) return SpinBound{up ? 25.0 : 5.0, up};
    return SpinBound{up ? 100.0 : 20.0, up};
}

}  // namespace

int monthAt(double xTwips) {
    // Int(X - 1710) \ 570: the quotient truncated toward zero, so everything
    // left of January, down to X 1140, falls on month 0 as well.
    const double whole = std::floor(xTwips - 1710);
    if (!(whole >= 0 && whole < 13.0 * kMonthPitch)) return 0;
    const int m = int(whole) / kMonthPitch;
    return m >= 1 && m <= 12 ? m : 0;
}

int onOffRowAt(double yTwips) {
    for (int row : {3, 6, 9, 12})
        if (yTwips > bandTop(row) && yTwips < bandTop(row) + kBandHeight) return row;
    return 0;
}

std::optional<double> cellNumber(std::string_view text, const NumberLocale& loc) {
    for (const NumberLocale& l : {loc, NumberLocale::decimalComma(), NumberLocale::decimalPoint()})
        if (const auto v = localeRead(text, l)) return v;
    return std::nullopt;
}

std::optional<FieldRule> rowRule(int row) {
    if (!isNumberRow(row)) return std::nullopt;
    if (rowKind(row) == RowKind::Difference) return FieldRule{5, 25, FieldStyle::Exclamation, "", kDifferenceMessage};
    return FieldRule{20, 100, FieldStyle::Exclamation, "", kMaximumMessage};
}

ControllerGrid::ControllerGrid() { design(); }

void ControllerGrid::design() {
    for (auto& row : selected_) row.fill(false);
    caption_.fill(CaptionShade::Designed);
}

void ControllerGrid::load(const Programmes& g, const NumberLocale& loc) {
    Evesprogram.redim({upto(13), upto(13)});
    for (int m = 1; m <= 12; ++m)
        for (int r = 1; r <= 12; ++r) {
            const auto w = workingRow(g, r);
            Evesprogram(r, m) = w.tank ? (*w.tank)(1, m) : Var(int((*w.pool)(1, m)));
        }
    for (int m = 1; m <= 12; ++m)
        for (int r = 1; r <= 12; ++r) {
            const Var& v = Evesprogram(r, m);
            if (isNumberRow(r))
                text_[std::size_t(r)][std::size_t(m)] = textForm(v, loc);
            else
                on_[std::size_t(r)][std::size_t(m)] = v.d() == 1.0;
        }
}

void ControllerGrid::setText(int row, int month, std::string text) {
    text_.at(std::size_t(row)).at(std::size_t(month)) = std::move(text);
}

Rgb ControllerGrid::captionBackground(int index) const {
    switch (caption(index)) {
        case CaptionShade::White: return kWhite;
        case CaptionShade::Blue: return kCaptionBlue;
        case CaptionShade::Designed: break;
    }
    return kLightYellow;
}

void ControllerGrid::deselectRow(int row) { selected_[std::size_t(row)].fill(false); }

std::string ControllerGrid::clickCell(int row, int month) {
    if (Kijeloltsor != row)
        for (int r : kNumberRows)
            if (r != row) deselectRow(r);
    Kijeloltsor = Integer(row);
    bool& cell = selected_.at(std::size_t(row)).at(std::size_t(month));
    cell = !cell;  // a white cell becomes selected, a selected one white
    return text(row, month);
}

std::string ControllerGrid::clickRowHeader(int row) {
    if (Kijeloltsor != row)
        for (int r : kNumberRows) deselectRow(r);
    Kijeloltsor = Integer(row);
    for (int m = 1; m <= 12; ++m) selected_[std::size_t(row)][std::size_t(m)] = true;
    return text(row, 1);
}

void ControllerGrid::clickCaption(int index) {
    caption_.fill(CaptionShade::White);
    caption_.at(std::size_t(index)) = CaptionShade::Blue;
}

bool ControllerGrid::switchField(double xTwips, double yTwips, int button) {
    const int month = monthAt(xTwips);
    const int row = onOffRowAt(yTwips);
    if (month == 0 || row == 0) return false;
    if (button != kLeftButton && button != kRightButton) return false;
    on_[std::size_t(row)][std::size_t(month)] = button == kLeftButton;
    return true;
}

std::optional<FieldVerdict> ControllerGrid::change(std::string_view value, const NumberLocale& loc) {
    const auto rule = rowRule(Kijeloltsor);
    const auto v = cellNumber(value, loc);
    if (!v) return notANumber(rule.value_or(kNumberOnly));
    if (!rule) return std::nullopt;  // no row chosen yet: nothing to fill
    if (*v < rule->lo || *v > rule->hi) return outOfRange(*rule);
    for (int m = 1; m <= 12; ++m)
        if (selected(Kijeloltsor, m)) text_[std::size_t(Kijeloltsor)][std::size_t(m)] = std::string(value);
    return std::nullopt;
}

std::optional<std::string> ControllerGrid::spinStep(std::string_view value, bool up, const NumberLocale& loc) const {
    const auto bound = spinBound(Kijeloltsor, up);
    const auto v = cellNumber(value, loc);
    if (!bound || !v || !bound->shortOf(*v)) return std::nullopt;
    return textForm(*v + (up ? 1.0 : -1.0), loc);
}

bool ControllerGrid::spinAtBound(std::string_view value, bool up, const NumberLocale& loc) const {
    const auto bound = spinBound(Kijeloltsor, up);
    const auto v = cellNumber(value, loc);
    return bound && v && std::floor(*v) == bound->bound;
}

std::optional<ControllerGrid::Refusal> ControllerGrid::readBack(const NumberLocale& loc) {
    VbArray<Var, 2> read({upto(13), upto(13)});
    for (int m = 1; m <= 12; ++m)
        for (int r = 1; r <= 12; ++r) {
            if (!isNumberRow(r)) {
                read(r, m) = on(r, m) ? 1 : 0;
                continue;
            }
            const FieldRule rule = *rowRule(r);
            const auto v = cellNumber(text(r, m), loc);
            if (!v) return Refusal{r, m, notANumber(rule)};
            // The pool's arrays hold 16-bit integers, halves going to the even neighbour.
            const double rounded = roundHalfEven(*v);
            if (isPoolRow(r) && (rounded < -32768.0 || rounded > 32767.0)) return Refusal{r, m, outOfRange(rule)};
            read(r, m) = *v;
        }
    Evesprogram = std::move(read);
    return std::nullopt;
}

void ControllerGrid::store(Programmes& g) const {
    for (int m = 1; m <= 12; ++m)
        for (int r = 1; r <= 12; ++r) {
            const auto w = workingRow(g, r);
            if (w.tank)
                (*w.tank)(1, m) = Evesprogram(r, m);
            else
                (*w.pool)(1, m) = CInt(Evesprogram(r, m).d());
        }
}

}  // namespace nk::ui
