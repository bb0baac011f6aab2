#include "state/ui_port.h"

namespace nk {

std::string calcErrorMessage(int number) {
    return "Számítás közben " + std::to_string(number) + ". számú hiba lépett fel. Próbáljon változtatni a beállításokon.";
}

int fileErrorNumber(const std::error_code& e) {
    if (e == std::errc::no_such_file_or_directory) return 53;
    if (e == std::errc::io_error) return 57;
    if (e == std::errc::no_space_on_device) return 61;
    if (e == std::errc::permission_denied || e == std::errc::operation_not_permitted ||
        e == std::errc::read_only_file_system)
        return 70;
    return 75;
}

}  // namespace nk
