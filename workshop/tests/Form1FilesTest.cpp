#include <files/Utf8Path.h>
#include <testsupport/SmallDisk.h>
#include <testsupport/WindowProbe.h>
#include <workshop/tests/WorkFolder.h>
#include <workshop/window/Form1.h>
#include <workshop/window/ReportLabel.h>

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

#include <QRegularExpression>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <memory>

#ifdef _WIN32
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

using workshop::Form1;
namespace fs = std::filesystem;

namespace {

// Root reads and writes through every right; Windows has no such user to be or to leave.
bool isRoot()
{
#ifdef _WIN32
    return false;
#else
    return ::geteuid() == 0;
#endif
}

// Sets the permission bits of `path`; on Windows only the owner's write bit counts (the
// read-only mark).
bool setMode(const QString& path, int mode)
{
    std::error_code error;
    fs::permissions(files::fromUtf8(path.toStdString()), static_cast<fs::perms>(mode), error);
    return !error;
}

const char* const noOtherUser = "No unprivileged user to run as: on Linux this test needs root or "
                                "a normal user; Windows has no user to switch to.";

}  // namespace

// The workshop window facing paths a user did not mean: pipes, devices, folders, links,
// blanks, full or read-only disks, and folders that refuse new files.
class Form1FilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void whatIsNotAPlainFileIsRefusedAtOnce_data();
    void whatIsNotAPlainFileIsRefusedAtOnce();
    void aDestinationThatIsNotAPlainFileIsLeftAsItWas_data();
    void aDestinationThatIsNotAPlainFileIsLeftAsItWas();
    void aDeviceNodeIsNeitherReadNorReplaced();
    void aLinkToAPlainFileReplacesItsTarget();
    void derivedNamesStayInTheSourceFolder();
    void failuresAreToldInFrenchWithBoxPathAndReason_data();
    void failuresAreToldInFrenchWithBoxPathAndReason();
    void aFullDiskIsSaid();
    void aReadOnlyFileSystemIsSaid();
    void aPermissionRefusedIsSaid();
    void aDestinationHeldByAnotherProgramIsSaid();
    void blanksAroundThePathsAreIgnored();
    void aReplacedDestinationKeepsItsMode_data();
    void aReplacedDestinationKeepsItsMode();
    void aDestinationWithOtherNamesIsReplacedUnderItsTypedName();
    void aWritableFileInAFolderRefusingNewFilesIsWritten();
    void aFailureInAFolderRefusingNewFilesChangesNothing();
    void aResultThatCannotFitLeavesEveryFileWhole_data();
    void aResultThatCannotFitLeavesEveryFileWhole();
    void aWriteFailingAfterTheReservationKeepsTheWholeResult();
    void aDestinationSwappedDuringTheOperationIsLeftAlone_data();
    void aDestinationSwappedDuringTheOperationIsLeftAlone();
    void aGiganticLineIsRefusedAtOnce_data();
    void aGiganticLineIsRefusedAtOnce();
    void theWindowKeepsItsWidthWhateverTheReport();
    void aPathTooLongForTheBandIsShortenedNotTheReason_data();
    void aPathTooLongForTheBandIsShortenedNotTheReason();
    void theReportCrossesNoButton_data();
    void theReportCrossesNoButton();

private:
    QString path(const QString& name) const { return folder->path(name); }
    void put(const QString& name, const QByteArray& bytes) const
    {
        QVERIFY(folder->put(name, bytes));
    }
    QByteArray get(const QString& name) const { return folder->get(name); }
    QStringList files() const
    {
        return QDir(folder->path())
            .entryList(QDir::AllEntries | QDir::System | QDir::Hidden | QDir::NoDotAndDotDot);
    }
    void typePaths(const QString& source, const QString& destination,
                   const QString& reference = {});
    // Runs `work` as an unprivileged user (in a child process when the test runs as root);
    // returns its exit code, or -1 when no unprivileged user can be had. When the work calls
    // ownerTurn(), `ownerStep` runs as the owner of the test's folders while the work waits.
    int asUnprivilegedUser(const std::function<int()>& work,
                           const std::function<void()>& ownerStep = {});
    void ownerTurn();
    void serveOwner(int requests, int replies);
    // A small file system of the test's own (testsupport::SmallDisk); false when none can be
    // had. onDisk() names a file on it.
    bool smallDisk(std::uint64_t size);
    QString onDisk(const QString& name) const;
    // The small disk, that only root may add files to, holding `files` (writable by anyone)
    // and filled up until `room` bytes are left; false when none can be had.
    bool nearlyFullDisk(const std::map<QString, QByteArray>& files, qint64 room);
    QString makeOdd(const QString& kind);
    // A temporary folder of the test's own for the program, so that what it leaves there can
    // be told apart from what other programs leave in the system's.
    QString ownTempFolder();

    WorkFolder* folder = nullptr;
    // The window's controls, by their design names.
    testsupport::WindowProbe probe() const { return testsupport::WindowProbe(*window); }

    Form1* window = nullptr;
    std::unique_ptr<testsupport::SmallDisk> disk;
#ifdef _WIN32
    std::vector<HANDLE> pipes_;
#endif
    std::function<void()> ownerStep_;
    int ownerRequests_ = -1;  // in the child: where it asks for the owner's turn
    int ownerReplies_ = -1;   // and where it hears that the turn is over
    QByteArray previousTempFolder_;
    bool hadTempFolder_ = false;
    bool tempFolderSet_ = false;
};

void Form1FilesTest::init()
{
    folder = new WorkFolder;
    window = new Form1;
    window->quitProgram = [] {};
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void Form1FilesTest::cleanup()
{
    if (tempFolderSet_) {
        if (!hadTempFolder_)
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", previousTempFolder_);
        tempFolderSet_ = false;
    }
    disk.reset();
#ifdef _WIN32
    for (const HANDLE pipe : pipes_)
        CloseHandle(pipe);
    pipes_.clear();
#endif
    delete window;
    delete folder;
}

void Form1FilesTest::typePaths(const QString& source, const QString& destination,
                               const QString& reference)
{
    probe().box("Text1")->setText(source);
    probe().box("Text2")->setText(destination);
    probe().box("Text3")->setText(reference);
}

#ifdef _WIN32
int Form1FilesTest::asUnprivilegedUser(const std::function<int()>&, const std::function<void()>&)
{
    return -1;
}

void Form1FilesTest::serveOwner(int, int) {}

void Form1FilesTest::ownerTurn()
{
    if (ownerStep_)
        ownerStep_();  // no other user here: the test does the owner's step itself
}
#else
int Form1FilesTest::asUnprivilegedUser(const std::function<int()>& work,
                                       const std::function<void()>& ownerStep)
{
    ownerStep_ = ownerStep;
    if (::geteuid() != 0)
        return work();
    int requests[2];
    int replies[2];
    if (::pipe(requests) != 0)
        return -1;
    if (::pipe(replies) != 0) {
        ::close(requests[0]);
        ::close(requests[1]);
        return -1;
    }
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(requests[0]);
        ::close(replies[1]);
        ownerRequests_ = requests[1];
        ownerReplies_ = replies[0];
        if (::setgid(65534) != 0 || ::setuid(65534) != 0)
            ::_exit(100);
        ::_exit(work());
    }
    ::close(requests[1]);
    ::close(replies[0]);
    if (child > 0)
        serveOwner(requests[0], replies[1]);
    ::close(requests[0]);
    ::close(replies[1]);
    int status = 0;
    if (child < 0 || ::waitpid(child, &status, 0) != child || !WIFEXITED(status)
        || WEXITSTATUS(status) == 100)
        return -1;
    return WEXITSTATUS(status);
}

// Runs the owner's step each time the child asks, until the child is gone.
void Form1FilesTest::serveOwner(int requests, int replies)
{
    char turn = 0;
    for (;;) {
        const ssize_t got = ::read(requests, &turn, 1);
        if (got < 0 && errno == EINTR)
            continue;
        if (got != 1)
            return;
        if (ownerStep_)
            ownerStep_();
        if (::write(replies, &turn, 1) != 1)
            return;
    }
}

void Form1FilesTest::ownerTurn()
{
    if (ownerRequests_ < 0) {
        if (ownerStep_)
            ownerStep_();  // the test runs as an ordinary user already: no one else to ask
        return;
    }
    char turn = 1;
    if (::write(ownerRequests_, &turn, 1) == 1) {
        while (::read(ownerReplies_, &turn, 1) < 0 && errno == EINTR) {
        }
    }
}
#endif

bool Form1FilesTest::smallDisk(std::uint64_t size)
{
    disk = std::make_unique<testsupport::SmallDisk>(path("disk").toStdString(), size);
    return disk->ready();
}

QString Form1FilesTest::onDisk(const QString& name) const
{
    return QString::fromStdString(disk->file(name.toStdString()));
}

bool Form1FilesTest::nearlyFullDisk(const std::map<QString, QByteArray>& files, qint64 room)
{
    if (!smallDisk(1 << 20) || !setMode(QString::fromStdString(disk->path()), 0755)
        || !setMode(folder->path(), 0755))
        return false;
    for (const auto& [file, bytes] : files) {
        if (!folder->put(onDisk(file), bytes) || !setMode(onDisk(file), 0666))
            return false;
    }
    return disk->fill(static_cast<std::uint64_t>(room));
}

QString Form1FilesTest::ownTempFolder()
{
    const QString temp = path("tmp");
    if (!QDir(folder->path()).mkdir("tmp") || !setMode(temp, 01777))
        return {};
    hadTempFolder_ = qEnvironmentVariableIsSet("TMPDIR");
    previousTempFolder_ = qgetenv("TMPDIR");
    tempFolderSet_ = true;
    qputenv("TMPDIR", QFile::encodeName(temp));
    return temp;
}

// What is not a plain file, made at `kind`'s name: a pipe, a link to one, a socket, a folder,
// or a device that never ends ("zero"). On Windows a named pipe of the test's own, and NUL.
QString Form1FilesTest::makeOdd(const QString& kind)
{
    if (kind == "folder")
        return QDir(folder->path()).mkdir(kind) ? path(kind) : QString();
#ifdef _WIN32
    if (kind == "zero")
        return QStringLiteral("NUL");
    const QString name = QStringLiteral("\\\\.\\pipe\\vorlane-test-%1").arg(GetCurrentProcessId());
    // a few instances, as many clients as the program may open it
    for (int instance = 0; instance < 4; ++instance) {
        const HANDLE pipe =
            CreateNamedPipeW(reinterpret_cast<const wchar_t*>(name.utf16()), PIPE_ACCESS_DUPLEX,
                             PIPE_TYPE_BYTE, PIPE_UNLIMITED_INSTANCES, 4096, 4096, 0, nullptr);
        if (pipe == INVALID_HANDLE_VALUE)
            return {};
        pipes_.push_back(pipe);
    }
    return name;
#else
    if (kind == "zero")
        return QStringLiteral("/dev/zero");
    if (kind == "socket")
        return ::mknod(QFile::encodeName(path(kind)).constData(), S_IFSOCK | 0644, 0) == 0
            ? path(kind)
            : QString();
    if (::mkfifo(QFile::encodeName(path("pipe")).constData(), 0644) != 0)
        return {};
    return kind == "pipe" || QFile::link(path("pipe"), path(kind)) ? path(kind) : QString();
#endif
}

void Form1FilesTest::whatIsNotAPlainFileIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("asReference");
    QTest::addColumn<QString>("reason");
    const QString pipe =
        QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou socket)");
    QTest::newRow("pipe as source") << "pipe" << false << pipe;
    QTest::newRow("pipe as reference") << "pipe" << true << pipe;
#ifdef _WIN32
    QTest::newRow("NUL as source") << "zero" << false << pipe;
#else
    QTest::newRow("link to a pipe as source") << "link" << false << pipe;
    QTest::newRow("socket as reference") << "socket" << true << pipe;
    QTest::newRow("/dev/zero as source") << "zero" << false << pipe;
#endif
    QTest::newRow("folder as source") << "folder" << false << QStringLiteral("c'est un dossier");
    QTest::newRow("folder as reference") << "folder" << true << QStringLiteral("c'est un dossier");
}

void Form1FilesTest::whatIsNotAPlainFileIsRefusedAtOnce()
{
    QFETCH(QString, kind);
    QFETCH(bool, asReference);
    QFETCH(QString, reason);
    const QString odd = makeOdd(kind);
    QVERIFY(!odd.isEmpty());
    put("mots.txt", "ABAQUE\r\n");
    put("dest.txt", "OLD\r\n");
    const QStringList before = files();
    // Plural removal reads the reference at its first source line.
    typePaths(asReference ? path("mots.txt") : odd, path("dest.txt"), odd);
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(asReference ? probe().button("Command15") : probe().button("Command1"),
                      Qt::LeftButton);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(probe().label("Label3")->text(),
             QStringLiteral("Impossible de lire %1 « %2 » : %3.")
                 .arg(asReference ? "la référence" : "la source", odd, reason));
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));
    QCOMPARE(files(), before);
}

void Form1FilesTest::aDestinationThatIsNotAPlainFileIsLeftAsItWas_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason");
    const QString pipe =
        QStringLiteral("ce n'est pas un fichier ordinaire (tube, périphérique ou socket)");
    QTest::newRow("pipe") << "pipe" << pipe;
#ifdef _WIN32
    QTest::newRow("NUL") << "zero" << pipe;
#else
    QTest::newRow("link to a pipe") << "link" << pipe;
    QTest::newRow("socket") << "socket" << pipe;
#endif
    QTest::newRow("folder") << "folder" << QStringLiteral("c'est un dossier");
}

// Nothing is put in its place (the same file stays at the name, a pipe's or a device's name is
// never opened to see).
void Form1FilesTest::aDestinationThatIsNotAPlainFileIsLeftAsItWas()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString odd = makeOdd(kind);
    QVERIFY(!odd.isEmpty());
#ifndef _WIN32
    struct stat before {};
    QCOMPARE(::lstat(QFile::encodeName(odd).constData(), &before), 0);
#endif
    put("mots.txt", "ABAQUE*\r\n");
    const QStringList names = files();
    typePaths(path("mots.txt"), odd);
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(),
             QStringLiteral("Impossible d'écrire la destination « %1 » : %2.").arg(odd, reason));
    QCOMPARE(files(), names);
    QCOMPARE(QFileInfo(odd).isDir(), kind == "folder");
#ifndef _WIN32
    struct stat after {};
    QCOMPARE(::lstat(QFile::encodeName(odd).constData(), &after), 0);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_ino, before.st_ino);
#endif
}

// A device at the destination's or the source's name: on Linux a node made as root, on
// Windows the NUL device.
void Form1FilesTest::aDeviceNodeIsNeitherReadNorReplaced()
{
#ifdef _WIN32
    const QString node = QStringLiteral("NUL");
#else
    const QString node = path("null");
    if (::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, makedev(1, 3)) != 0)
        QSKIP("A device node can be made only as root: this test needs root (mknod refused).");
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(node).constData(), &before), 0);
#endif
    put("mots.txt", "ABAQUE*\r\n");
    put("dest.txt", "OLD\r\n");
    const QStringList names = files();

    typePaths(path("mots.txt"), node);
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(),
             QStringLiteral("Impossible d'écrire la destination « %1 » : ce n'est pas un fichier "
                            "ordinaire (tube, périphérique ou socket).")
                 .arg(node));
    typePaths(node, path("dest.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(),
             QStringLiteral("Impossible de lire la source « %1 » : ce n'est pas un fichier "
                            "ordinaire (tube, périphérique ou socket).")
                 .arg(node));
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));
    QCOMPARE(files(), names);
#ifndef _WIN32
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(node).constData(), &after), 0);
    QVERIFY(S_ISCHR(after.st_mode));
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_rdev, before.st_rdev);
    QCOMPARE(after.st_ino, before.st_ino);
#endif
}

void Form1FilesTest::aLinkToAPlainFileReplacesItsTarget()
{
    put("mots.txt", "ABAQUE*\r\n");
    put("target.txt", "OLD\r\n");
    std::error_code linked;
    fs::create_symlink(files::fromUtf8(path("target.txt").toStdString()),
                       files::fromUtf8(path("link.txt").toStdString()), linked);
    if (linked)
        QSKIP(("No symbolic link here (it needs a privilege on Windows): " + linked.message())
                  .c_str());
    typePaths(path("mots.txt"), path("link.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Lignes * copiees OK"));
    QVERIFY(QFileInfo(path("link.txt")).isSymLink());
    QCOMPARE(get("target.txt"), QByteArray("ABAQUE\r\n"));
    QCOMPARE(files(), (QStringList{"link.txt", "mots.txt", "target.txt"}));
}

void Form1FilesTest::derivedNamesStayInTheSourceFolder()
{
    QVERIFY(QDir(folder->path()).mkpath("run/d2"));
    QVERIFY(folder->put("run/d2/ab", "1\r\n2\r\n3\r\n"));
    QVERIFY(folder->put("run/d2/mots.txt", "1\r\n2\r\n"));
    typePaths(path("run/d2/ab"), QString());
    QTest::mouseClick(probe().button("Command10"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Division en 2 OK"));
    QCOMPARE(get("run/d2/ab_a.txt"), QByteArray("1\r\n3\r\n"));
    QCOMPARE(get("run/d2/ab_b.txt"), QByteArray("2\r\n"));
    QCOMPARE(QDir(path("run")).entryList(QDir::Files), QStringList{});
    // A source with an extension keeps its usual names.
    typePaths(path("run/d2/mots.txt"), QString());
    QTest::mouseClick(probe().button("Command10"), Qt::LeftButton);
    QCOMPARE(QDir(path("run/d2")).entryList(QDir::Files),
             (QStringList{"ab", "ab_a.txt", "ab_b.txt", "mots.txt", "mots_a.txt", "mots_b.txt"}));
}

void Form1FilesTest::failuresAreToldInFrenchWithBoxPathAndReason_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("reference");
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing source")
        << "absent.txt"
        << "dest.txt"
        << ""
        << "Command1"
        << "Impossible de lire la source « %absent.txt » : fichier ou dossier introuvable.";
    QTest::newRow("missing reference")
        << "mots.txt"
        << "dest.txt"
        << "absent.txt"
        << "Command20"
        << "Impossible de lire la référence « %absent.txt » : fichier ou dossier introuvable.";
    QTest::newRow("missing folder") << "mots.txt"
                                    << "none/dest.txt"
                                    << ""
                                    << "Command1"
                                    << "Impossible d'écrire la destination « %none/dest.txt » : "
                                       "fichier ou dossier introuvable.";
    QTest::newRow("path through a file") << "mots.txt/x"
                                         << "dest.txt"
                                         << ""
                                         << "Command1"
                                         << "Impossible de lire la source « %mots.txt/x » : un "
                                            "élément du chemin n'est pas un dossier.";
    QTest::newRow("missing source of a split")
        << "mots.txt"
        << ""
        << ""
        << "Command10"
        << "Impossible de lire la source « %mots.txt » : fichier ou dossier introuvable.";
    QTest::newRow("empty source") << ""
                                  << "dest.txt"
                                  << ""
                                  << "Command1"
                                  << "La case « source » est vide : aucun fichier à lire.";
    QTest::newRow("blank destination")
        << "mots.txt"
        << "   "
        << ""
        << "Command3"
        << "La case « destination » est vide : aucun fichier à écrire.";
    QTest::newRow("empty reference") << "mots.txt"
                                     << "dest.txt"
                                     << ""
                                     << "Command19"
                                     << "La case « référence » est vide : aucun fichier à lire.";
}

// The test folder's path stands for "%" in the expected messages; the source named
// "mots.txt" exists except in the row about a derived name.
void Form1FilesTest::failuresAreToldInFrenchWithBoxPathAndReason()
{
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, reference);
    QFETCH(QString, button);
    QFETCH(QString, message);
    if (QString(QTest::currentDataTag()) != "missing source of a split")
        put("mots.txt", "ABAQUE*\r\n");
    put("dest.txt", "OLD\r\n");
    const QStringList before = files();
    const auto full = [this](const QString& name) {
        return name.trimmed().isEmpty() ? name : path(name);
    };
    typePaths(full(source), full(destination), full(reference));
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QString(message).replace("%", folder->path() + "/"));
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));
    QCOMPARE(files(), before);
}

void Form1FilesTest::aFullDiskIsSaid()
{
    if (!smallDisk(1 << 20))
        QSKIP(disk->why().c_str());
    QByteArray big;
    for (int i = 0; i < 40000; ++i)
        big += "ABCDEFGHIJKLMNOPQRSTUVWXYZ*\r\n";  // over a megabyte of marked lines
    put("mots.txt", big);
    QVERIFY(folder->put(onDisk("dest.txt"), "OLD\r\n"));
    QVERIFY(disk->fill(64 * 1024));
    typePaths(path("mots.txt"), onDisk("dest.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(),
             QStringLiteral("Impossible d'écrire la destination « %1 » : le disque est plein ; "
                            "aucun fichier n'a été modifié.")
                 .arg(onDisk("dest.txt")));
    QCOMPARE(get(onDisk("dest.txt")), QByteArray("OLD\r\n"));
    QCOMPARE(QDir(onDisk("")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"dest.txt", "filler"}));
}

void Form1FilesTest::aReadOnlyFileSystemIsSaid()
{
    if (!smallDisk(64 * 1024))
        QSKIP(disk->why().c_str());
    QVERIFY(folder->put(onDisk("dest.txt"), "OLD\r\n"));
    if (!disk->makeReadOnly())
        QSKIP("A small disk cannot be made read-only from a Windows program.");
    put("mots.txt", "ABAQUE*\r\n");
    for (const QString& name : {QStringLiteral("dest.txt"), QStringLiteral("new.txt")}) {
        typePaths(path("mots.txt"), onDisk(name));
        QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
        QCOMPARE(probe().label("Label3")->text(),
                 QStringLiteral("Impossible d'écrire la destination « %1 » : système de fichiers "
                                "en lecture seule.")
                     .arg(onDisk(name)));
    }
    QCOMPARE(get(onDisk("dest.txt")), QByteArray("OLD\r\n"));
}

void Form1FilesTest::aPermissionRefusedIsSaid()
{
    put("mots.txt", "ABAQUE*\r\n");
    put("secret.txt", "ABAQUE*\r\n");
    put("locked.txt", "OLD\r\n");
    QVERIFY(QFile::setPermissions(path("locked.txt"),
                                  QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
#ifdef _WIN32
    // No read permission to withdraw: the source is held by another program that shares it
    // with no one, as a spreadsheet may hold a list.
    const HANDLE held = CreateFileW(reinterpret_cast<const wchar_t*>(path("secret.txt").utf16()),
                                    GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    const auto release = qScopeGuard([held] { CloseHandle(held); });
    const QString refused =
        QStringLiteral("Impossible de lire la source « %1 » : fichier utilisé par un "
                       "autre programme.")
            .arg(path("secret.txt"));
#else
    QVERIFY(QFile::setPermissions(path("secret.txt"), QFile::Permissions()));
    QVERIFY(QFile::setPermissions(folder->path(),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                      | QFile::ReadOther | QFile::ExeOther));
    const QString refused =
        QStringLiteral("Impossible de lire la source « %1 » : permission refusée.")
            .arg(path("secret.txt"));
#endif
    const QString locked = QStringLiteral("Impossible d'écrire la destination « %1 » : permission "
                                          "refusée.")
                               .arg(path("locked.txt"));
    const auto work = [&] {
        if (isRoot())
            return 10;
        typePaths(path("secret.txt"), path("dest.txt"));
        probe().button("Command1")->click();
        if (probe().label("Label3")->text() != refused)
            return 1;
        typePaths(path("mots.txt"), path("locked.txt"));
        probe().button("Command1")->click();
        return probe().label("Label3")->text() == locked ? 0 : 2;
    };
#ifdef _WIN32
    const int code = work();  // the test's own user is refused too
#else
    const int code = asUnprivilegedUser(work);
#endif
    if (code < 0)
        QSKIP(noOtherUser);
    QCOMPARE(code, 0);
    QCOMPARE(get("locked.txt"), QByteArray("OLD\r\n"));
    QVERIFY(!QFile::exists(path("dest.txt")));
}

// A destination that another program holds open, sharing its reading and writing but not its
// replacement (as a spreadsheet or an editor may), is said for what it is, not as a refused
// permission; it stays as it was.
void Form1FilesTest::aDestinationHeldByAnotherProgramIsSaid()
{
#ifdef _WIN32
    put("mots.txt", "ABAQUE*\r\n");
    put("dest.txt", "OLD\r\n");
    const HANDLE held =
        CreateFileW(reinterpret_cast<const wchar_t*>(path("dest.txt").utf16()), GENERIC_READ,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    QVERIFY(held != INVALID_HANDLE_VALUE);
    const auto release = qScopeGuard([held] { CloseHandle(held); });
    typePaths(path("mots.txt"), path("dest.txt"));
    probe().button("Command1")->click();
    const QString said = probe().label("Label3")->text();
    QVERIFY2(said.startsWith(QStringLiteral("Impossible d'écrire la destination « %1 » : fichier "
                                            "utilisé par un autre programme ; aucun fichier n'a "
                                            "été modifié")
                                 .arg(path("dest.txt"))),
             qPrintable(said));
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));
#else
    QSKIP("Only Windows keeps a file open from being replaced.");
#endif
}

void Form1FilesTest::blanksAroundThePathsAreIgnored()
{
    put("mots.txt", "ABAQUE;AABEQU\r\nKIWI;IIKW\r\n");
    put("ref.txt", "KIWI\r\n");
    typePaths("  " + path("mots.txt") + " ", "\t" + path("dest.txt") + "  ",
              " " + path("ref.txt") + " ");
    QTest::mouseClick(probe().button("Command19"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral(" OK"));
    QCOMPARE(files(), (QStringList{"dest.txt", "mots.txt", "ref.txt"}));
    QVERIFY(get("dest.txt") != QByteArray("<missing>"));
}

void Form1FilesTest::aReplacedDestinationKeepsItsMode_data()
{
    QTest::addColumn<int>("mode");
#ifdef _WIN32
    // Windows keeps one mark, read-only, which guards the list against every user alike.
    QTest::newRow("writable") << 0666;
    QTest::newRow("read-only") << 0444;
#else
    QTest::newRow("0644") << 0644;
    QTest::newRow("0600") << 0600;
    QTest::newRow("0664") << 0664;
    QTest::newRow("0755") << 0755;
    QTest::newRow("0444 (root)") << 0444;
#endif
}

void Form1FilesTest::aReplacedDestinationKeepsItsMode()
{
    QFETCH(int, mode);
#ifdef _WIN32
    put("mots.txt", "ABAQUE*\r\n");
    put("dest.txt", "OLD\r\n");
    QVERIFY(setMode(path("dest.txt"), mode));
    typePaths(path("mots.txt"), path("dest.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    const bool writable = mode & 0200;
    QCOMPARE(probe().label("Label3")->text(),
             writable ? QStringLiteral("Lignes * copiees OK")
                      : QStringLiteral("Impossible d'écrire la destination « %1 » : permission "
                                       "refusée.")
                            .arg(path("dest.txt")));
    QCOMPARE(get("dest.txt"), writable ? QByteArray("ABAQUE\r\n") : QByteArray("OLD\r\n"));
    QCOMPARE(QFileInfo(path("dest.txt")).isWritable(), writable);
    setMode(path("dest.txt"), 0666);
#else
    if (!(mode & 0200) && !isRoot())
        QSKIP("Only root may replace a read-only destination: this row needs root.");
    put("mots.txt", "ABAQUE*\r\n");
    put("dest.txt", "OLD\r\n");
    const QByteArray dest = QFile::encodeName(path("dest.txt"));
    QCOMPARE(::chmod(dest.constData(), static_cast<mode_t>(mode)), 0);
    typePaths(path("mots.txt"), path("dest.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Lignes * copiees OK"));
    QCOMPARE(get("dest.txt"), QByteArray("ABAQUE\r\n"));
    struct stat status {};
    QCOMPARE(::stat(dest.constData(), &status), 0);
    QCOMPARE(static_cast<int>(status.st_mode & 07777), mode);
#endif
}

// The safe way replaces the typed name; other names of the same file keep the old content.
void Form1FilesTest::aDestinationWithOtherNamesIsReplacedUnderItsTypedName()
{
    put("mots.txt", "ABAQUE*\r\n");
    put("dest.txt", "OLD\r\n");
    fs::create_hard_link(files::fromUtf8(path("dest.txt").toStdString()),
                         files::fromUtf8(path("other.txt").toStdString()));
    typePaths(path("mots.txt"), path("dest.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    QCOMPARE(probe().label("Label3")->text(), QStringLiteral("Lignes * copiees OK"));
    QCOMPARE(get("dest.txt"), QByteArray("ABAQUE\r\n"));
    QCOMPARE(get("other.txt"), QByteArray("OLD\r\n"));
}

// A file of mode 666 in a folder of mode 755 owned by someone else: written in place, with
// the same message, and every name of the file sees the new content.
void Form1FilesTest::aWritableFileInAFolderRefusingNewFilesIsWritten()
{
#ifdef _WIN32
    QSKIP(noOtherUser);
#else
    QVERIFY(QDir(folder->path()).mkdir("theirs"));
    put("mots.txt", "ABAQUE*\r\nKIWI\r\n");
    QVERIFY(folder->put("theirs/dest.txt", "OLD\r\nOLDER\r\n"));
    QCOMPARE(::link(QFile::encodeName(path("theirs/dest.txt")).constData(),
                    QFile::encodeName(path("theirs/other.txt")).constData()),
             0);
    QCOMPARE(::chmod(QFile::encodeName(path("theirs/dest.txt")).constData(), 0666), 0);
    QCOMPARE(::chmod(QFile::encodeName(path("mots.txt")).constData(), 0644), 0);
    QCOMPARE(::chmod(QFile::encodeName(path("theirs")).constData(), ::geteuid() == 0 ? 0755 : 0555),
             0);
    QCOMPARE(::chmod(QFile::encodeName(folder->path()).constData(), 0755), 0);
    struct stat before {};
    QCOMPARE(::stat(QFile::encodeName(path("theirs/dest.txt")).constData(), &before), 0);
    const int code = asUnprivilegedUser([&] {
        if (::access(QFile::encodeName(path("theirs")).constData(), W_OK) == 0)
            return 10;  // the folder must refuse new files
        typePaths(path("mots.txt"), path("theirs/dest.txt"));
        probe().button("Command1")->click();
        return probe().label("Label3")->text() == QStringLiteral("Lignes * copiees OK") ? 0 : 1;
    });
    ::chmod(QFile::encodeName(path("theirs")).constData(), 0755);
    if (code < 0)
        QSKIP(noOtherUser);
    QCOMPARE(code, 0);
    QCOMPARE(get("theirs/dest.txt"), QByteArray("ABAQUE\r\n"));
    QCOMPARE(get("theirs/other.txt"), QByteArray("ABAQUE\r\n"));
    struct stat after {};
    QCOMPARE(::stat(QFile::encodeName(path("theirs/dest.txt")).constData(), &after), 0);
    QCOMPARE(after.st_ino, before.st_ino);
    QCOMPARE(after.st_mode, before.st_mode);
    QCOMPARE(after.st_uid, before.st_uid);
    QCOMPARE(QDir(path("theirs")).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"dest.txt", "other.txt"}));
#endif
}

// Written in place only once the whole operation has succeeded: a missing reference leaves
// the destination whole.
void Form1FilesTest::aFailureInAFolderRefusingNewFilesChangesNothing()
{
#ifdef _WIN32
    QSKIP(noOtherUser);
#else
    QVERIFY(QDir(folder->path()).mkdir("theirs"));
    put("mots.txt", "AEEIRST;TERSES\r\n");
    QVERIFY(folder->put("theirs/dest.txt", "OLD\r\n"));
    QCOMPARE(::chmod(QFile::encodeName(path("theirs/dest.txt")).constData(), 0666), 0);
    QCOMPARE(::chmod(QFile::encodeName(path("mots.txt")).constData(), 0644), 0);
    QCOMPARE(::chmod(QFile::encodeName(path("theirs")).constData(), ::geteuid() == 0 ? 0755 : 0555),
             0);
    QCOMPARE(::chmod(QFile::encodeName(folder->path()).constData(), 0755), 0);
    const QString expected = QStringLiteral("Impossible de lire la référence « %1 » : fichier ou "
                                            "dossier introuvable.")
                                 .arg(path("absent.txt"));
    const int code = asUnprivilegedUser([&] {
        typePaths(path("mots.txt"), path("theirs/dest.txt"), path("absent.txt"));
        probe().button("Command20")->click();
        return probe().label("Label3")->text() == expected ? 0 : 1;
    });
    ::chmod(QFile::encodeName(path("theirs")).constData(), 0755);
    if (code < 0)
        QSKIP(noOtherUser);
    QCOMPARE(code, 0);
    QCOMPARE(get("theirs/dest.txt"), QByteArray("OLD\r\n"));
#endif
}

namespace {

// `count` numbered lines, each ending with `end`.
QByteArray numberedLines(int count, const char* end)
{
    QByteArray lines;
    for (int i = 0; i < count; ++i)
        lines += QByteArray("MOT") + QByteArray::number(10000 + i) + end + "\r\n";
    return lines;
}

// The files of the small disk: a list, and a source with the two halves it is split into.
std::map<QString, QByteArray> smallDiskFiles()
{
    return {{"liste.txt", numberedLines(6000, "")},
            {"mots.txt", numberedLines(4000, "")},
            {"mots_a.txt", "OLD\r\n"},
            {"mots_b.txt", "OLDER\r\n"}};
}

}  // namespace

void Form1FilesTest::aResultThatCannotFitLeavesEveryFileWhole_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("destination");
    QTest::addColumn<QString>("refused");
    // "%disk/" stands for the small disk, "%" for the test's folder
    const QString list = QStringLiteral("la destination « %disk/liste.txt »");
    QTest::newRow("same file, Ajouter Tirages") << "Command3"
                                                << "%disk/liste.txt"
                                                << "%disk/liste.txt" << list;
    QTest::newRow("transfer from another file") << "Command1"
                                                << "%mots.txt"
                                                << "%disk/liste.txt" << list;
    // The first half has its room; the second has not, and the first gives its room back.
    QTest::newRow("split in two") << "Command10"
                                  << "%disk/mots.txt"
                                  << ""
                                  << "le fichier « %disk/mots_b.txt » (nommé d'après la source)";
}

// As an ordinary user, lists on a nearly full disk in a folder that refuses new files: the
// results are written in place, and the room for them is not there.
void Form1FilesTest::aResultThatCannotFitLeavesEveryFileWhole()
{
    QFETCH(QString, button);
    QFETCH(QString, source);
    QFETCH(QString, destination);
    QFETCH(QString, refused);
    put("mots.txt", numberedLines(12000, "*"));
    if (!nearlyFullDisk(smallDiskFiles(), 7 * 4096))
        QSKIP(disk->why().c_str());
    const QString temp = ownTempFolder();
    QVERIFY(!temp.isEmpty());
    const qint64 room = disk->freeBytes();
    const auto full = [this](QString name) {
        return name.replace("%disk/", onDisk("")).replace("%", folder->path() + "/");
    };
    const QString expected = QStringLiteral("Impossible d'écrire %1 : le disque est plein ; aucun "
                                            "fichier n'a été modifié.")
                                 .arg(full(refused));
    QString shown;
    const int code = asUnprivilegedUser([&] {
        typePaths(full(source), full(destination));
        probe().button(button)->click();
        shown = probe().label("Label3")->text();
        if (shown != expected)
            qWarning("%s", qPrintable(shown));  // from the child, when it runs in one
        return shown == expected ? 0 : 1;
    });
    if (code < 0)
        QSKIP(noOtherUser);
    QVERIFY2(code == 0, qPrintable(shown));
    for (const auto& [name, bytes] : smallDiskFiles())
        QVERIFY2(get(onDisk(name)) == bytes, qPrintable(name));
    QCOMPARE(disk->freeBytes(), room);
    QCOMPARE(QDir(temp).entryList(QDir::Files | QDir::Hidden), QStringList{});
}

// The room is reserved, then the disk fails: the list is written only in part, and the whole
// result stays in the temporary folder, named in the message.
void Form1FilesTest::aWriteFailingAfterTheReservationKeepsTheWholeResult()
{
    const QByteArray source = numberedLines(12000, "*");
    put("mots.txt", source);
    if (!nearlyFullDisk(smallDiskFiles(), 64 * 4096))
        QSKIP(disk->why().c_str());
    const QString temp = ownTempFolder();
    QVERIFY(!temp.isEmpty());
    window->frameHooks.write = [](int, const char*, std::size_t size, off_t offset) {
        return offset + static_cast<off_t>(size) > 8192 ? EIO : 0;
    };
    const QRegularExpression told(
        QStringLiteral("^Impossible d'écrire la destination « %1 » : erreur d'entrée-sortie du "
                       "disque ; le fichier n'a été écrit qu'en partie, le résultat complet est "
                       "conservé dans « (%2/extracteur-[^/]+-liste\\.txt) »\\.$")
            .arg(QRegularExpression::escape(onDisk("liste.txt")),
                 QRegularExpression::escape(temp)));
    const auto keptFiles = [&] { return QDir(temp).entryList(QDir::Files | QDir::Hidden); };
    const int code = asUnprivilegedUser([&] {
        typePaths(path("mots.txt"), onDisk("liste.txt"));
        probe().button("Command1")->click();
        const QString shown = probe().label("Label3")->text();
        const QRegularExpressionMatch match = told.match(shown);
        if (match.hasMatch() && keptFiles() == QStringList{QFileInfo(match.captured(1)).fileName()})
            return 0;
        qWarning("%s", qPrintable(shown));  // from the child, when it runs in one
        return 1;
    });
    if (code < 0)
        QSKIP(noOtherUser);
    QCOMPARE(code, 0);
    QCOMPARE(keptFiles().size(), 1);
    QFile kept(QDir(temp).filePath(keptFiles().front()));
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray(source).replace("*\r\n", "\r\n"));
}

void Form1FilesTest::aDestinationSwappedDuringTheOperationIsLeftAlone_data()
{
    QTest::addColumn<bool>("symbolic");
    QTest::addColumn<bool>("closed");
    QTest::newRow("for a symbolic link to another file") << true << true;
    QTest::newRow("for a hard link to another file") << false << true;
    QTest::newRow("for a hard link, in a folder open to the user") << false << false;
}

// While the operation runs, the owner of the folder puts a link to another file of the user
// at the destination's name: that file is not written, nor is the one that was moved away.
// In a folder that refuses the user new files the list would be written in place, and nothing
// is written; in an open one (always on Windows) the new list takes the name as a file of its
// own.
void Form1FilesTest::aDestinationSwappedDuringTheOperationIsLeftAlone()
{
    QFETCH(bool, symbolic);
    QFETCH(bool, closed);
    QVERIFY(QDir(folder->path()).mkdir("theirs"));
    put("mots.txt", "ABAQUE*\r\n");
    put("mine.txt", "MINE\r\n");
    QVERIFY(folder->put("theirs/dest.txt", "OLD\r\n"));
    const QString theirs = path("theirs");
    const fs::path dest = files::fromUtf8(path("theirs/dest.txt").toStdString());
    const fs::path mine = files::fromUtf8(path("mine.txt").toStdString());
    QVERIFY(setMode(path("theirs/dest.txt"), 0666) && setMode(path("mots.txt"), 0644));
#ifndef _WIN32
    if (isRoot())
        QCOMPARE(::chown(mine.c_str(), 65534, 65534), 0);
#endif
    const int shut = !closed ? 0755 : isRoot() ? 0755 : 0555;
    QVERIFY(setMode(theirs, shut) && setMode(folder->path(), 0755));
    std::error_code linked;
    const auto swap = [&] {
        setMode(theirs, 0755);
        std::error_code moved;
        fs::rename(dest, files::fromUtf8(path("theirs/old.txt").toStdString()), moved);
        if (!moved) {
            if (symbolic)
                fs::create_symlink(mine, dest, linked);
            else
                fs::create_hard_link(mine, dest, linked);
        }
        setMode(theirs, shut);
    };
    window->frameHooks.beforeCommit = [this] { ownerTurn(); };
    const QString expected = closed
        ? QStringLiteral("Impossible d'écrire la destination « %1 » : ce n'est plus le fichier "
                         "vérifié au début de l'opération (remplacé ou déplacé entre-temps) ; "
                         "aucun fichier n'a été modifié.")
              .arg(path("theirs/dest.txt"))
        : QStringLiteral("Lignes * copiees OK");
    QString shown;
    const auto work = [&] {
        typePaths(path("mots.txt"), path("theirs/dest.txt"));
        probe().button("Command1")->click();
        shown = probe().label("Label3")->text();
        if (shown != expected)
            qWarning("%s", qPrintable(shown));  // from the child, when it runs in one
        return shown == expected ? 0 : 1;
    };
    int code = -1;
    if (closed) {
        code = asUnprivilegedUser(work, swap);
    } else {
        ownerStep_ = swap;  // the user's own folder: the test's user does both
        code = work();
    }
    setMode(theirs, 0755);
    if (code < 0)
        QSKIP(noOtherUser);
    if (linked)
        QSKIP(("No link here (a symbolic one needs a privilege on Windows): " + linked.message())
                  .c_str());
    QVERIFY2(code == 0, qPrintable(shown));
    QCOMPARE(QFileInfo(path("theirs/dest.txt")).isSymLink(), symbolic);
    if (!closed)
        QCOMPARE(get("theirs/dest.txt"), QByteArray("ABAQUE\r\n"));
    QCOMPARE(get("mine.txt"), QByteArray("MINE\r\n"));
    QCOMPARE(get("theirs/old.txt"), QByteArray("OLD\r\n"));
    QCOMPARE(QDir(theirs).entryList(QDir::Files | QDir::Hidden),
             (QStringList{"dest.txt", "old.txt"}));
}

void Form1FilesTest::aGiganticLineIsRefusedAtOnce_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<bool>("inReference");
    QTest::newRow("in the source") << "Command1" << false;
    QTest::newRow("in the reference") << "Command20" << true;
}

// A list whose second line runs for 3 GB without an end (left sparse on the disk): the
// operation stops at its first mebibyte and says which line.
void Form1FilesTest::aGiganticLineIsRefusedAtOnce()
{
    QFETCH(QString, button);
    QFETCH(bool, inReference);
    put("mots.txt", "ABAQUE*\r\n");
    put("huge.txt", "AB;BA\r\n");
    put("dest.txt", "OLD\r\n");
    QVERIFY(QFile::resize(path("huge.txt"), 3LL << 30));
    typePaths(inReference ? path("mots.txt") : path("huge.txt"), path("dest.txt"),
              path("huge.txt"));
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(probe().button(button), Qt::LeftButton);
    QVERIFY2(clock.elapsed() < 1000, qPrintable(QString::number(clock.elapsed())));
    QCOMPARE(probe().label("Label3")->text(),
             QStringLiteral("Impossible de lire %1 « %2 », ligne 2 : ligne trop longue (plus de "
                            "1\u00A0048\u00A0576 octets) ; aucun fichier n'a été modifié.")
                 .arg(inReference ? "la référence" : "la source", path("huge.txt")));
    QCOMPARE(get("dest.txt"), QByteArray("OLD\r\n"));
}

void Form1FilesTest::theWindowKeepsItsWidthWhateverTheReport()
{
    const QSize before = window->size();
    // The longest message: a reason of its own after the longest path a user is likely to type.
    const QString deep = QString(40, QLatin1Char('d')) + "/" + QString(60, QLatin1Char('e')) + "/"
        + QString(80, QLatin1Char('f'));
    const QString source = path(deep + "/liste-des-mots-nouveaux.txt");
    typePaths(source, path("dest.txt"));
    QTest::mouseClick(probe().button("Command14"), Qt::LeftButton);
    QVERIFY(probe().label("Label3")->text().startsWith(
        QStringLiteral("Impossible de lire la source « ")));
    QCOMPARE(window->size(), before);
    QVERIFY(window->rect().contains(probe().label("Label3")->geometry()));
    QCOMPARE(probe().label("Label3")->toolTip(), probe().label("Label3")->text());
    QCOMPARE(probe().label("Label3")->width(), before.width() - 16);
    for (const QPushButton* button : window->findChildren<QPushButton*>()) {
        if (button->isVisible())
            QVERIFY2(!button->geometry().intersects(probe().label("Label3")->geometry()),
                     qPrintable(button->text()));
    }
}

void Form1FilesTest::aPathTooLongForTheBandIsShortenedNotTheReason_data()
{
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("shortened");
    QTest::newRow("a path of 180 characters") << 180 << false;
    QTest::newRow("a path of 650 characters") << 650 << true;
}

// The band shows the reason whole; a path too long for it loses its middle there, and only
// there: the label's text and its tooltip keep it.
void Form1FilesTest::aPathTooLongForTheBandIsShortenedNotTheReason()
{
    QFETCH(int, length);
    QFETCH(bool, shortened);
    const QString name = QStringLiteral("liste-des-mots-nouveaux.txt");
    QString deep;  // folders of up to 100 letters that bring the path to its length
    for (int left = length - path(name).size(); left > 1; left -= 101)
        deep += QString(std::min(left - 1, 100), QChar(char('a' + deep.size() / 101))) + "/";
    const QString source = path(deep + name);
    QCOMPARE(source.size(), length);
    typePaths(source, path("dest.txt"));
    QTest::mouseClick(probe().button("Command1"), Qt::LeftButton);
    const QString message =
        QStringLiteral("Impossible de lire la source « %1 » : fichier ou dossier introuvable.")
            .arg(source);
    QCOMPARE(probe().label("Label3")->text(), message);
    QCOMPARE(probe().label("Label3")->toolTip(), message);
    const auto* report = qobject_cast<workshop::ReportLabel*>(probe().label("Label3"));
    QVERIFY(report && report->wraps());
    const QString shown = report->shownText();
    QCOMPARE(shown != message, shortened);
    QVERIFY2(shown.endsWith(QStringLiteral("liste-des-mots-nouveaux.txt » : fichier ou dossier "
                                           "introuvable.")),
             qPrintable(shown));
    QVERIFY(
        shown.startsWith(QStringLiteral("Impossible de lire la source « ") + folder->path()[0]));
    QCOMPARE(shown.contains(QChar(0x2026)), shortened);
}

void Form1FilesTest::theReportCrossesNoButton_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QByteArray>("source");
    QTest::addColumn<QString>("report");
    QTest::newRow("transfer") << "Command1" << QByteArray("A*\r\n") << "Lignes * copiees OK";
    QTest::newRow("repeats") << "Command8" << QByteArray("A\r\nA\r\nA\r\nA\r\n")
                             << "Suppression OK ( 3 supp.)";
    QTest::newRow("draws") << "Command3" << QByteArray("A\r\n") << "Creation tirages OK";
    QTest::newRow("trim") << "Command18" << QByteArray("AB\r\n") << " OK";
    QTest::newRow("assembly") << "Command21" << QByteArray("A;B\r\n") << "Rallonges ass OK";
    QTest::newRow("split") << "Command4" << QByteArray("A\r\n") << "Division en 5 OK";
    QTest::newRow("failure") << "Command1" << QByteArray() << "";
}

// Success texts stand at the label's place, on one line; nothing is drawn across them.
void Form1FilesTest::theReportCrossesNoButton()
{
    QFETCH(QString, button);
    QFETCH(QByteArray, source);
    QFETCH(QString, report);
    if (!source.isEmpty())
        put("mots.txt", source);
    typePaths(path("mots.txt"), path("dest.txt"));
    const QSize before = window->size();
    QTest::mouseClick(window->findChild<QPushButton*>(button), Qt::LeftButton);
    if (!report.isEmpty()) {
        QCOMPARE(probe().label("Label3")->text(), report);
        QCOMPARE(probe().label("Label3")->pos(), QPoint(160, 136));
        QCOMPARE(probe().label("Label3")->height(),
                 probe().label("Label3")->fontMetrics().height());
        QVERIFY(probe().label("Label3")->width()
                >= probe().label("Label3")->fontMetrics().horizontalAdvance(report));
    }
    QCOMPARE(window->size(), before);
    QVERIFY(window->rect().contains(probe().label("Label3")->geometry()));
    for (const QPushButton* other : window->findChildren<QPushButton*>()) {
        if (other->isVisible())
            QVERIFY2(!other->geometry().intersects(probe().label("Label3")->geometry()),
                     qPrintable(other->text()));
    }
}

QTEST_MAIN(Form1FilesTest)
#include "Form1FilesTest.moc"
