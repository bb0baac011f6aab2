// Opening and saving settings files. A file is read whole and checked before
// anything changes; it is written to a temporary file that replaces the old
// one only when complete. Every failure is shown with the file's name and
// may be retried.

#include <QFile>
#include <QFileInfo>

#include "platform/files.h"
#include "state/settings_file.h"
#include "ui/calculation/calculation_window.h"
#include "ui/settings/settings_layout.h"
#include "ui/settings/settings_window.h"

namespace nk::ui {

using namespace layout;

namespace {

const QString kRetryLine = QStringLiteral("\r\n\r\nA hiba elhárítása után kattintson a") +
                           QStringLiteral("Retry nyomógombra, egyébként válassza a Cancel-t");

QString errorText(int number, const QString& path) {
    switch (number) {
        case kFileNotFound:
            return QStringLiteral("Nem található a megadott file. Legyen szíves ellenőrizni a ") + path +
                   QStringLiteral(" filenév betűzését, vagy forduljon a rendszergazdához.");
        case kDeviceError:
            return QStringLiteral("Valószínűleg súlyos problémák vannak a hardware-rel. ") +
                   QStringLiteral("ellenőrizni: ") + path;
        default:
            return QStringLiteral("Szóljon a rendszergazdának (a Vilmarexnek), hogy %1-os hibakóddal nem sikerült a(z) %2 "
                                  "file kezelése!")
                .arg(number)
                .arg(path);
    }
}

struct Outcome {
    bool ok = false;
    QString message;  // why not, without the retry line
};

Outcome outcome(const FileOutcome& f, const QString& path) {
    if (f.ok()) return {true, {}};
    return {false, errorText(f.error, path)};
}

std::string localName(const QString& path) { return QFile::encodeName(path).toStdString(); }

}  // namespace

// Runs `attempt` until it succeeds or the user gives up at the file error.
template <class F>
static bool withRetry(MessageService& messages, QWidget* parent, F attempt) {
    for (;;) {
        const Outcome o = attempt();
        if (o.ok) return true;
        if (messages.ask(parent, o.message + kRetryLine, QString(), MsgIcon::None, Question::RetryCancel) !=
            Answer::Retry)
            return false;
    }
}

bool FrmBeallitasok::Mentes(const QString& path) {
    const SettingsFileWrite file = writeSettingsFile(m_);
    if (!file.ok) {
        messages_.show(this,
                       QStringLiteral("A(z) „%1” szövegében olyan karakter („%2”) van, amelyet a beállítási file nem "
                                      "tud tárolni. Kérem javítsa ki; a file nem készült el.")
                           .arg(qs(file.field), qs(file.character)),
                       QStringLiteral("Beállítás"), MsgIcon::Exclamation);
        return false;
    }
    return withRetry(messages_, this, [&] { return outcome(replaceFile(localName(path), file.bytes), path); });
}

void FrmBeallitasok::Command10_Click() {
    const QString path = dialogs_.saveFile(this);
    if (path.isEmpty()) return;
    // The window names the file only once the file holds the settings.
    if (!Mentes(path)) return;
    Fajlutvonal = path;
    Fajlnev = QFileInfo(path).fileName();
    setWindowTitle(QStringLiteral("Beállítások - ") + Fajlnev);
}

void FrmBeallitasok::Command4_Click() {
    if (Fajlnev.isEmpty())
        Command10_Click();
    else
        Mentes(Fajlutvonal);
}

void FrmBeallitasok::Command3_Click() {
    const QString path = dialogs_.openFile(this);
    if (path.isEmpty()) return;
    const QString question = QStringLiteral("A megnyitással felülírja a jelenlegi beállításokat. Valóban meg kívánja "
                                            "nyitni a(z) ") +
                             QStringLiteral("\r") + path + QStringLiteral(" filet?");
    if (messages_.ask(this, question, QStringLiteral("Beállítás"), MsgIcon::Question, Question::YesNo) != Answer::Yes)
        return;

    // Read and check the whole file before anything changes; a retry reads
    // it again from the start.
    const bool read = withRetry(messages_, this, [&] {
        std::string bytes;
        const FileOutcome f = readWholeFile(localName(path), bytes);
        if (!f.ok()) return outcome(f, path);
        const SettingsFileRead r = readSettingsFile(bytes, m_);
        if (!r.ok) return Outcome{false, QStringLiteral("A(z) %1 file nem olvasható be. ").arg(path) + qs(r.problem)};
        return Outcome{true, {}};
    });
    if (!read) return;

    Fajlutvonal = path;
    Fajlnev = QFileInfo(path).fileName();
    calc_.showSystemSchematic();
    calc_.Valaszthatosag();
    refill(Combo3, {});
    refill(Combo5, {});
    Form_Load();
}

}  // namespace nk::ui
