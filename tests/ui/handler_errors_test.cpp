#include <QApplication>
#include <QPushButton>
#include <QTimer>
#include <filesystem>
#include <functional>
#include <new>
#include <stdexcept>
#include <ostream>

#include "platform/calc_error.h"
#include "ui/application.h"
#include "ui/editors/collector_editor.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

// An error raised by a handler of a click, a key or a timer.
struct RaisedCase {
    const char* name;
    std::function<void()> raise;
    int number;  // the number whose message the user sees
};
void PrintTo(const RaisedCase& c, std::ostream* os) { *os << c.name; }

enum class Event { Click, Key, Timer };
void PrintTo(Event e, std::ostream* os) { *os << (e == Event::Click ? "click" : e == Event::Key ? "key" : "timer"); }

class HandlerErrors : public ::testing::TestWithParam<std::tuple<RaisedCase, Event>> {
protected:
    void SetUp() override {
        app = Application::instance();
        ASSERT_NE(app, nullptr);
        before = app->messages();
        app->setMessages(&messages);
        window.resize(200, 100);
        button = new QPushButton(QStringLiteral("Számítás"), &window);
        window.show();
    }
    void TearDown() override { app->setMessages(before); }

    Application* app = nullptr;
    MessageService* before = nullptr;
    testing::ScriptedMessages messages;
    QWidget window;
    QPushButton* button = nullptr;
};

TEST_P(HandlerErrors, ShowTheMessageOfTheirNumberAndTheProgramGoesOn) {
    const auto& [c, event] = GetParam();
    int handled = 0;
    QObject::connect(button, &QPushButton::clicked, button, [&, raise = c.raise] {
        if (++handled == 1) raise();
    });
    const auto handle = [this, event = event] {
        switch (event) {
            case Event::Click: QTest::mouseClick(button, Qt::LeftButton); break;
            case Event::Key:
                button->setFocus();
                QTest::keyClick(button, Qt::Key_Space);
                break;
            case Event::Timer:
                QTimer::singleShot(0, button, [this] { button->click(); });
                QTest::qWait(20);
                break;
        }
    };
    handle();
    ASSERT_EQ(handled, 1);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].text, qs(calcErrorMessage(c.number)));
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Számítási hiba"));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Exclamation);
    // The next event is handled as usual.
    handle();
    EXPECT_EQ(handled, 2);
    EXPECT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(window.isVisible());
}

const auto fileError = [](std::errc e) {
    return [e] { throw std::filesystem::filesystem_error("mentés", std::make_error_code(e)); };
};

INSTANTIATE_TEST_SUITE_P(
    Cases, HandlerErrors,
    ::testing::Combine(::testing::Values(RaisedCase{"subscript", [] { raise(kSubscript); }, 9},
                                         RaisedCase{"overflow", [] { raise(kOverflow); }, 6},
                                         RaisedCase{"file_missing", fileError(std::errc::no_such_file_or_directory), 53},
                                         RaisedCase{"file_permission", fileError(std::errc::permission_denied), 70},
                                         RaisedCase{"disk_full", fileError(std::errc::no_space_on_device), 61},
                                         RaisedCase{"device", fileError(std::errc::io_error), 57},
                                         RaisedCase{"other_file_error", fileError(std::errc::is_a_directory), 75},
                                         RaisedCase{"out_of_memory", [] { throw std::bad_alloc(); }, 7},
                                         RaisedCase{"other_exception", [] { throw std::out_of_range("index"); }, 51},
                                         RaisedCase{"not_a_standard_exception", [] { throw 42; }, 51}),
                       ::testing::Values(Event::Click, Event::Key, Event::Timer)),
    [](const auto& info) {
        const Event e = std::get<1>(info.param);
        return std::string(std::get<0>(info.param).name) +
               (e == Event::Click ? "_click" : e == Event::Key ? "_key" : "_timer");
    });

// The program's windows show such an error in their own message boxes.
class ProgramHandlerErrors : public testing::SettingsOpen {};

TEST_F(ProgramHandlerErrors, AreShownThroughTheProgramsMessages) {
    QObject::connect(w->Command6, &QPushButton::clicked, w, [] { raise(kSubscript); });
    QTest::mouseClick(w->Command6, Qt::LeftButton);
    ASSERT_FALSE(messages.shown.empty());
    EXPECT_EQ(messages.shown.back().text, qs(calcErrorMessage(9)));
    EXPECT_TRUE(w->isVisible());
    if (w->collectorEditor) w->collectorEditor->reject();
}

}  // namespace
}  // namespace nk::ui
