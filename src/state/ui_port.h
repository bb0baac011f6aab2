#pragma once

// What the computing core asks of the windows. The core never shows anything
// itself; the windows implement this, tests record it.

#include <array>
#include <string>
#include <system_error>

#include "platform/numeric.h"
#include "platform/text.h"

namespace nk {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

// The pipe-loss box and the seven cells of the result table, as texts, and
// the unit of the amounts in the cells, which the rows' labels name.
struct ResultTexts {
    std::string csohoveszteseg;
    std::array<std::string, 7> tablazat1;
    std::string unit;
    // The useful-heat row holds the heat of every consumer (tank, pool and
    // buffer), not the tank's alone: its caption must say so.
    bool usefulHeatOfAllConsumers = false;
};

// Geometry of the annual bar chart, in twips inside its picture box.
struct ChartBar {
    Single height = 0;
    Single top = 3000;
};
struct AnnualChart {
    bool drawn = false;             // no annual run has drawn it yet
    bool irradiationView = true;    // "Qnap és Qkollveszt mutatása " ticked
    std::string label2;             // legend caption beside the second swatch
    bool qnapLegendVisible = true;  // the Qnap swatch and its caption
    int kollvesztSwatchColour = 255;  // red, or yellow in the view without irradiation
    std::string scaleLabel;         // the full-scale value, kWh/month
    std::array<ChartBar, 12> qnap, qkollveszt, qkoll, qcso, qkieg;
};

class UiPort {
public:
    virtual ~UiPort() = default;
    virtual void message(const std::string& text, const std::string& title, MsgIcon icon) = 0;
    // Hourglass pointer on the calculation window while a run is in progress.
    virtual void setBusy(bool) {}
    // Whether the chart shows the irradiation and the collector loss (the
    // check box is ticked when the window loads).
    virtual bool irradiationShown() const { return true; }
    virtual void showChart(const AnnualChart&) {}
    virtual void showResults(const ResultTexts&) {}
    // Separators of the user's number notation; the windows are made for a decimal comma.
    virtual NumberLocale numberLocale() const { return NumberLocale::decimalComma(); }
};

// Shows nothing: the core alone, as in the benchmarks.
class SilentUi : public UiPort {
public:
    void message(const std::string&, const std::string&, MsgIcon) override {}
};

// "Számítás közben 6. számú hiba lépett fel. Próbáljon változtatni a beállításokon."
std::string calcErrorMessage(int number);
inline const std::string kCalcErrorTitle = "Számítási hiba";

// The run-time error number of a failed file operation: 53 file not found, 57
// device input/output error, 61 disk full, 70 permission denied, 75 any other
// path or file access error.
int fileErrorNumber(const std::error_code& e);

}  // namespace nk
