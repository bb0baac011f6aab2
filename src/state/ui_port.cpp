#include "state/ui_port.h"

#include "platform/files.h"

namespace nk {

std::string calcErrorMessage(int number) {
    return "Számítás közben " + std::to_string(number) + ". számú hiba lépett fel. Próbáljon változtatni a beállításokon.";
}

int fileErrorNumber(const std::error_code& e) {
    // An exception names no path, so a missing name is the file's own.
    if (e == std::errc::no_such_file_or_directory) return kFileNotFound;
    if (e.category() == std::generic_category() || e.category() == std::system_category())
        return fileErrorNumber(e.value());
    return kPathFileAccess;
}

}  // namespace nk
