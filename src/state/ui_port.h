#pragma once

// What the computing core asks of the windows. The core never shows anything
// itself; the windows implement this, tests record it.

#include <string>

namespace nk {

enum class MsgIcon { None, Critical, Question, Exclamation, Information };

class UiPort {
public:
    virtual ~UiPort() = default;
    virtual void message(const std::string& text, const std::string& title, MsgIcon icon) = 0;
};

// Shows nothing: the core alone, as in the benchmarks.
class SilentUi : public UiPort {
public:
    void message(const std::string&, const std::string&, MsgIcon) override {}
};

// "Számítás közben 6. számú hiba lépett fel. Próbáljon változtatni a beállításokon."
std::string calcErrorMessage(int number);
inline const std::string kCalcErrorTitle = "Számítási hiba";

}  // namespace nk
