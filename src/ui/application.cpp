#include "ui/application.h"

#include <new>

#include "platform/calc_error.h"

namespace nk::ui {

Application::Application(int& argc, char** argv) : QApplication(argc, argv) {}

Application::~Application() = default;

Application* Application::instance() { return qobject_cast<Application*>(QCoreApplication::instance()); }

bool Application::notify(QObject* receiver, QEvent* event) {
    // The handler that raised has stopped where it raised, as the windows'
    // handlers always have on an error; the event counts as handled.
    try {
        return QApplication::notify(receiver, event);
    } catch (const CalcError& e) {
        report(e.number());
    } catch (const std::system_error& e) {
        report(fileErrorNumber(e.code()));
    } catch (const std::bad_alloc&) {
        // What the failed allocation would have taken is free again.
        report(kOutOfMemory);
    } catch (...) {
        report(kInternalError);
    }
    return true;
}

void Application::report(int number) {
    MessageService& m = messages_ ? *messages_ : boxes_;
    QWidget* parent = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : QApplication::activeWindow();
    m.show(parent, qs(calcErrorMessage(number)), qs(kCalcErrorTitle), MsgIcon::Exclamation);
}

}  // namespace nk::ui
