#include <sys/fsuid.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <csignal>
#include <functional>

#include "platform/files.h"
#include "state/settings_file.h"
#include "ui/settings/settings_window.h"
#include "ui_fixture.h"

namespace nk::ui {
namespace {

class SettingsFiles : public testing::SettingsOpen {
protected:
    void SetUp() override {
        SettingsOpen::SetUp();
        if (HasFatalFailure()) return;
        ASSERT_TRUE(dir.isValid());
    }
    QString path(const char* name) const { return dir.filePath(QString::fromUtf8(name)); }
    static QByteArray contents(const QString& p) {
        QFile f(p);
        if (!f.open(QIODevice::ReadOnly)) return {};
        return f.readAll();
    }
    static void put(const QString& p, const QByteArray& bytes) {
        QFile f(p);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }
    QByteArray expected() const {
        const std::string b = writeSettingsFile(program->model()).bytes;
        return QByteArray(b.data(), qsizetype(b.size()));
    }
    QTemporaryDir dir;
};

TEST_F(SettingsFiles, SaveAsWritesTheWorkingSettingsAndNamesTheWindow) {
    type(w->Text3, QStringLiteral("5"));  // typed, not yet confirmed: saved all the same
    dialogs.paths = {path("uszoda.nks")};
    w->Command10->click();
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Beállítások - uszoda.nks"));
    EXPECT_EQ(m().s.BeallKollektorszam, 5);
    EXPECT_EQ(contents(path("uszoda.nks")), expected());
    EXPECT_TRUE(messages.shown.empty());
    // "Me&ntés" writes the same file again without a dialog.
    type(w->Text3, QStringLiteral("6"));
    w->Command4->click();
    EXPECT_EQ(contents(path("uszoda.nks")), expected());
    EXPECT_TRUE(dialogs.paths.empty());
}

TEST_F(SettingsFiles, SaveBeforeAnyFileAsksForANameAndCancellingChangesNothing) {
    w->Command4->click();  // the dialog is cancelled
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Beállítások - "));
    EXPECT_TRUE(QDir(dir.path()).isEmpty());
    dialogs.paths = {path("elso")};
    w->Command4->click();
    EXPECT_EQ(w->Fajlnev, QStringLiteral("elso"));
    EXPECT_TRUE(QFile::exists(path("elso")));
}

TEST_F(SettingsFiles, OpeningAsksFirstAndThenReplacesTheSettings) {
    // A file of another installation.
    w->Combo3->setCurrentIndex(4);
    w->Combo3_Click();
    type(w->Text3, QStringLiteral("8"));
    w->pcrHMV_Click(5);
    dialogs.paths = {path("masik")};
    w->Command10->click();
    w->Command2_Click();  // nothing of it committed
    calc->Command1_Click();
    ASSERT_EQ(m().s.Kollektorszam.d(), 3);

    dialogs.paths = {path("masik")};
    w->Command3->click();  // answered No
    ASSERT_EQ(messages.asked.size(), 1u);
    EXPECT_EQ(messages.asked[0], Question::YesNo);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Beállítás"));
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Question);
    EXPECT_EQ(messages.shown[0].text, QStringLiteral("A megnyitással felülírja a jelenlegi beállításokat. Valóban meg "
                                                     "kívánja nyitni a(z) \r") +
                                          path("masik") + QStringLiteral(" filet?"));
    EXPECT_EQ(m().s.Kollektorszam.d(), 3);
    EXPECT_EQ(w->Fajlnev, QStringLiteral("masik"));  // from the save as

    messages.answers = {Answer::Yes};
    dialogs.paths = {path("masik")};
    w->Command3->click();
    EXPECT_EQ(m().s.Kollektorszam.d(), 8);
    EXPECT_EQ(m().s.Kollektortipus.d(), 5);
    EXPECT_EQ(m().s.Rendszerszam.d(), 15);
    EXPECT_EQ(m().s.Kollektorfelulet.d(), double(2.4f));  // derived at once
    EXPECT_EQ(w->Text3->text(), QStringLiteral("8"));
    EXPECT_EQ(w->Combo3->count(), 6);
    EXPECT_EQ(w->Combo3->currentIndex(), 4);
    EXPECT_EQ(w->Combo5->count(), 3);
    EXPECT_EQ(w->pcrHMV[5]->frameShape(), QFrame::Box);
    for (const auto& [n, picture] : calc->pcrRendszer) EXPECT_EQ(picture->isVisibleTo(calc), n == 15) << n;
    EXPECT_EQ(m().s.BeallKollektorszam, 8);
    // Cancel after opening keeps the opened settings.
    w->Command2_Click();
    EXPECT_EQ(m().s.BeallKollektorszam, 8);
    EXPECT_EQ(m().s.Kollektorszam.d(), 8);
}

TEST_F(SettingsFiles, AMissingFileIsNamedAndCanBeRetried) {
    messages.answers = {Answer::Yes, Answer::Retry, Answer::Cancel};
    dialogs.paths = {path("nincs")};
    w->Command3->click();
    ASSERT_EQ(messages.shown.size(), 3u);
    const QString expectedText = QStringLiteral("Nem található a megadott file. Legyen szíves ellenőrizni a ") +
                                 path("nincs") +
                                 QStringLiteral(" filenév betűzését, vagy forduljon a rendszergazdához.\r\n\r\nA hiba "
                                                "elhárítása után kattintson aRetry nyomógombra, egyébként válassza a "
                                                "Cancel-t");
    EXPECT_EQ(messages.shown[1].text, expectedText);
    EXPECT_EQ(messages.shown[2].text, expectedText);
    EXPECT_EQ(messages.shown[1].title, QString());
    EXPECT_EQ(messages.asked[1], Question::RetryCancel);
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Beállítások - "));
    EXPECT_TRUE(w->Fajlnev.isEmpty());
}

TEST_F(SettingsFiles, ADamagedFileChangesNothingAndARetryReadsItAgain) {
    dialogs.paths = {path("jo")};
    w->Command10->click();
    const QByteArray good = contents(path("jo"));
    QByteArray damaged = good;
    damaged.replace("\r\n3,0,3,5.34\r\n", "\r\n3,0,40000,5.34\r\n");
    put(path("hibas"), damaged);
    m().s.Dolesszog = 30;  // differs from the file

    messages.answers = {Answer::Yes, Answer::Cancel};
    dialogs.paths = {path("hibas")};
    w->Command3->click();
    ASSERT_EQ(messages.shown.size(), 2u);
    EXPECT_TRUE(messages.shown[1].text.startsWith(QStringLiteral("A(z) ") + path("hibas") +
                                                  QStringLiteral(" file nem olvasható be. A beállítási file hibás: a(z) 4. "
                                                                 "adatcsoport (napkollektorok) „darabszám” adata 40000")))
        << messages.shown[1].text.toStdString();
    EXPECT_EQ(m().s.Dolesszog.d(), 30);
    EXPECT_EQ(w->Fajlnev, QStringLiteral("jo"));

    // Mended while the question is up: the retry reads the file anew.
    messages.shown.clear();
    messages.answers = {Answer::Yes, Answer::Retry};
    dialogs.paths = {path("hibas")};
    struct Mend : MessageService {
        testing::ScriptedMessages& inner;
        QString file;
        QByteArray good;
        explicit Mend(testing::ScriptedMessages& s) : inner(s) {}
        void show(QWidget* p, const QString& t, const QString& ti, MsgIcon i) override { inner.show(p, t, ti, i); }
        Answer ask(QWidget* p, const QString& t, const QString& ti, MsgIcon i, Question q) override {
            if (q == Question::RetryCancel) put(file, good);
            return inner.ask(p, t, ti, i, q);
        }
    };
    Mend mend(messages);
    mend.file = path("hibas");
    mend.good = good;
    FrmBeallitasok other(m(), mend, dialogs, *calc);
    other.Form_Load();
    other.Command3_Click();
    EXPECT_EQ(m().s.Dolesszog.d(), 45);
    EXPECT_EQ(other.Fajlnev, QStringLiteral("hibas"));
}

TEST_F(SettingsFiles, ATextTheFileCannotHoldIsRefusedBeforeWriting) {
    w->Text10[5]->setFocus();
    w->Text10[5]->setText(QStringLiteral("Жуков Kft."));
    dialogs.paths = {path("ru")};
    w->Command10->click();
    EXPECT_FALSE(QFile::exists(path("ru")));
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(messages.shown[0].title, QStringLiteral("Beállítás"));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("„Megrendelő”")));
    EXPECT_TRUE(messages.shown[0].text.contains(QStringLiteral("„Ж”")));
    EXPECT_EQ(w->windowTitle(), QStringLiteral("Beállítások - "));
}

// Bytes that Windows-1250 leaves undefined, in the customer's name and the
// remark, open as the control characters Windows gives them, and a save after
// the fields were visited writes them back as they were.
TEST_F(SettingsFiles, BytesTheCodePageLeavesUndefinedAreSavedAsTheyWere) {
    QList<QByteArray> lines = expected().split('\n');
    const std::size_t texts = 9024;  // the first project text's line
    lines[qsizetype(texts + 7)] = "\"\x81\x83 Kov\xE1" "cs\"\r";
    lines[qsizetype(texts + 14)] = "\"els\xF5 \x88\x90\r\nm\xE1sodik \x98\"\r";
    const QByteArray file = lines.join('\n');
    put(path("kulonos"), file);
    messages.answers = {Answer::Yes};
    dialogs.paths = {path("kulonos")};
    w->Command3->click();
    ASSERT_EQ(w->Fajlnev, QStringLiteral("kulonos"));
    EXPECT_EQ(w->Text10[5]->text(), QStringLiteral("\u0081\u0083 Kovács"));
    EXPECT_EQ(w->Text11->toPlainText(), QStringLiteral("első \u0088\u0090\nmásodik \u0098"));

    // Each field is taken back when a button acts while it has the focus.
    for (QWidget* field : std::initializer_list<QWidget*>{w->Text10[5], w->Text11}) {
        field->setFocus();
        w->Command4->click();
        EXPECT_TRUE(messages.shown.size() == 1) << messages.shown.back().text.toStdString();  // the question only
        EXPECT_TRUE(contents(path("kulonos")) == file);
    }
}

// --- A failed save leaves the old file whole ----------------------------------------------

TEST_F(SettingsFiles, ASaveIntoAReadOnlyFolderKeepsTheOldFile) {
    const QString folder = path("csak_olvashato");
    ASSERT_TRUE(QDir().mkdir(folder));
    const QString target = folder + QStringLiteral("/regi");
    put(target, "a designer's earlier work\r\n");
    ASSERT_EQ(chmod(folder.toLocal8Bit().constData(), 0555), 0);
    // As root the folder would still be writable: drop the right to override it.
    const bool root = geteuid() == 0;
    if (root) setfsuid(65534);
    messages.answers = {Answer::Retry, Answer::Cancel};
    const bool written = w->Mentes(target);
    if (root) setfsuid(0);
    chmod(folder.toLocal8Bit().constData(), 0755);
    EXPECT_FALSE(written);
    EXPECT_EQ(messages.shown.size(), 2u);  // the error, the same after the retry
    EXPECT_TRUE(messages.shown[0].text.contains(target));
    EXPECT_EQ(contents(target), QByteArray("a designer's earlier work\r\n"));
}

TEST_F(SettingsFiles, ASaveOntoAFullDiskKeepsTheOldFile) {
    const QString target = path("regi");
    put(target, "a designer's earlier work\r\n");
    // The device accepts no more than 4 KiB per file: the settings need more.
    rlimit before{};
    getrlimit(RLIMIT_FSIZE, &before);
    auto* previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    rlimit small = before;
    small.rlim_cur = 4096;
    setrlimit(RLIMIT_FSIZE, &small);
    const bool written = w->Mentes(target);
    setrlimit(RLIMIT_FSIZE, &before);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_FALSE(written);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_TRUE(messages.shown[0].text.contains(target));
    EXPECT_EQ(contents(target), QByteArray("a designer's earlier work\r\n"));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 1);  // no temporary left behind
}

// --- Each failure is named by its own message --------------------------------------------

TEST_F(SettingsFiles, EachFileFailureGetsTheMessageOfItsOwnCause) {
    const QString notFound = QStringLiteral("Nem található a megadott file.");
    const auto code = [](int n) { return QStringLiteral("hogy %1-os hibakóddal").arg(n); };
    struct Case {
        const char* what;
        bool save;          // Mentes, or the open command
        bool ordinaryUser;  // permission bits refuse the superuser nothing
        std::function<QString(const QString& dir)> arrange;
        QString message;
    };
    const Case cases[] = {
        {"save into a read-only folder", true, true,
         [&](const QString& d) {
             QDir(d).mkdir(QStringLiteral("ro"));
             chmod(QFile::encodeName(d + QStringLiteral("/ro")).constData(), 0555);
             return d + QStringLiteral("/ro/uj");
         },
         code(70)},
        {"save over a read-only file", true, false,
         [&](const QString& d) {
             put(d + QStringLiteral("/f"), "earlier");
             chmod(QFile::encodeName(d + QStringLiteral("/f")).constData(), 0444);
             return d + QStringLiteral("/f");
         },
         code(70)},
        {"save into a missing folder", true, false, [](const QString& d) { return d + QStringLiteral("/nincs/uj"); },
         code(76)},
        {"save onto a folder", true, false,
         [](const QString& d) {
             QDir(d).mkdir(QStringLiteral("sub"));
             return d + QStringLiteral("/sub");
         },
         code(75)},
        {"open a missing file", false, false, [](const QString& d) { return d + QStringLiteral("/nincs"); }, notFound},
        {"open in a missing folder", false, false, [](const QString& d) { return d + QStringLiteral("/nincs/f"); },
         code(76)},
        {"open a file as folder", false, false,
         [&](const QString& d) {
             put(d + QStringLiteral("/f"), "");
             return d + QStringLiteral("/f/g");
         },
         code(76)},
        {"open a folder", false, false,
         [](const QString& d) {
             QDir(d).mkdir(QStringLiteral("sub2"));
             return d + QStringLiteral("/sub2");
         },
         code(75)},
        {"open a file far larger than any settings file", false, false,
         [&](const QString& d) {
             put(d + QStringLiteral("/nagy"), "");
             QFile(d + QStringLiteral("/nagy")).resize(qint64(kLargestSettingsFile) + 1);  // sparse
             return d + QStringLiteral("/nagy");
         },
         code(75)},
        {"open an unreadable file", false, true,
         [&](const QString& d) {
             put(d + QStringLiteral("/titkos"), "1");
             chmod(QFile::encodeName(d + QStringLiteral("/titkos")).constData(), 0200);
             return d + QStringLiteral("/titkos");
         },
         code(70)},
    };
    chmod(QFile::encodeName(dir.path()).constData(), 0755);  // an ordinary user may look in
    const bool root = geteuid() == 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.shown.clear();
        const QString target = c.arrange(dir.path());
        if (c.save) {
            messages.answers = {Answer::Cancel};
        } else {
            messages.answers = {Answer::Yes, Answer::Cancel};
            dialogs.paths = {target};
        }
        if (c.ordinaryUser && root) setfsuid(65534);
        if (c.save)
            EXPECT_FALSE(w->Mentes(target));
        else
            w->Command3_Click();
        if (c.ordinaryUser && root) setfsuid(0);
        if (messages.shown.empty()) {
            ADD_FAILURE() << "no message";
            continue;
        }
        const QString text = messages.shown.back().text;
        EXPECT_TRUE(text.contains(c.message)) << text.toStdString();
        EXPECT_TRUE(text.contains(target)) << text.toStdString();
        EXPECT_FALSE(text.contains(QStringLiteral("hardware"))) << text.toStdString();
    }
    chmod(QFile::encodeName(dir.path() + QStringLiteral("/ro")).constData(), 0755);
}

// --- Loading the window and the file agree ---------------------------------------------------

TEST_F(SettingsFiles, TheWindowsLoadingLeavesTheWorkingCopiesTheFileWouldRead) {
    const QByteArray loaded = expected();
    copyActiveToWorking(m());
    EXPECT_TRUE(expected() == loaded);
    // The same after an installation that differs from the start-up one.
    m().s.Medalak = 2;
    m().s.Medfekves = 0.6;
    m().s.Fogyheti = 1;
    m().s.Fogyjelleg = 2;
    m().s.Tarolofutesheti = 1;
    m().s.Automod = 1;
    m().s.Sugarzastenyezo = 1073;
    w->Command2_Click();  // reloads the window from the active settings
    const QByteArray reloaded = expected();
    copyActiveToWorking(m());
    EXPECT_TRUE(expected() == reloaded);
}

}  // namespace
}  // namespace nk::ui
