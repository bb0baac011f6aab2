#include "state/ui_port.h"

namespace nk {

std::string calcErrorMessage(int number) {
    return "Számítás közben " + std::to_string(number) + ". számú hiba lépett fel. Próbáljon változtatni a beállításokon.";
}

}  // namespace nk
