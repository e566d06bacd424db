#include <files/Utf8Path.h>
#include <textfile/ByteSource.h>
#include <workshop/ops/Transfer.h>
#include <workshop/window/DescriptorByteSink.h>
#include <workshop/window/OperationFrame.h>
#include <workshop/window/SystemReason.h>

#include <testsupport/AccentedNames.h>
#include <testsupport/TempFolder.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <cerrno>
#include <map>
#include <stdexcept>
#include <tuple>
#include <vector>

using workshop::DescriptorByteSink;
using workshop::OperationFrame;
using workshop::systemReason;

namespace {

class OperationFrameTest : public ::testing::Test {
protected:
    QString root() const { return QString::fromStdString(files::toUtf8(folder.path())); }
    QString path(const QString& name) const { return QDir(root()).filePath(name); }

    void put(const QString& name, const QByteArray& bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray get(const QString& name) const
    {
        QFile file(path(name));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }

    QStringList files() const { return QDir(root()).entryList(QDir::Files | QDir::Hidden); }

    OperationFrame::Outcome transfer(const QString& source, const QString& destination) const
    {
        return OperationFrame::run([&](OperationFrame& frame) {
            auto& in = frame.source(source);
            auto& out = frame.output(destination);
            workshop::transferMarked(in, out);
            return QStringLiteral("Lignes * copiees OK");
        });
    }

    testsupport::TempFolder folder;
};

TEST_F(OperationFrameTest, WritesLinesWithCrLfAndReportsTheMessage)
{
    put("in.txt", "ABAQUE*\nKIWI\r\n*\rAB**");
    const auto outcome = transfer(path("in.txt"), path("out.txt"));
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(outcome.message, "Lignes * copiees OK");
    EXPECT_EQ(get("out.txt"), "ABAQUE\r\n\r\nAB*\r\n");
    EXPECT_EQ(files(), (QStringList{"in.txt", "out.txt"}));
}

// A source and a destination in a folder whose name the Windows code page misreads or lacks:
// the destination is made, or replaced, there.
class AccentedFolder : public OperationFrameTest,
                       public ::testing::WithParamInterface<std::tuple<std::string, bool>> {};

TEST_P(AccentedFolder, TakesTheSourceAndWritesTheDestinationThere)
{
    const auto& [name, replaced] = GetParam();
    const QString sub = QString::fromStdString(name);
    ASSERT_TRUE(QDir(root()).mkdir(sub));
    put(sub + "/in.txt", "KIWI*\r\nZEN\r\n");
    if (replaced)
        put(sub + "/out.txt", "OLD\r\n");
    const auto outcome = transfer(path(sub + "/in.txt"), path(sub + "/out.txt"));
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(get(sub + "/out.txt"), "KIWI\r\n");
    EXPECT_EQ(QDir(path(sub)).entryList(QDir::Files | QDir::Hidden),
              (QStringList{"in.txt", "out.txt"}));
}

INSTANTIATE_TEST_SUITE_P(Names, AccentedFolder,
                         ::testing::Combine(::testing::ValuesIn(testsupport::accentedNames()),
                                            ::testing::Bool()));

TEST_F(OperationFrameTest, AnEmptySourceEmptiesTheDestination)
{
    put("in.txt", "");
    put("out.txt", "OLD\r\n");
    EXPECT_TRUE(transfer(path("in.txt"), path("out.txt")).ok);
    EXPECT_EQ(get("out.txt"), "");
}

TEST_F(OperationFrameTest, AMissingSourceCreatesNothingAndNamesThePath)
{
    const auto outcome = transfer(path("absent.txt"), path("out.txt"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(path("absent.txt"))) << outcome.message.toStdString();
    EXPECT_TRUE(files().isEmpty());
}

TEST_F(OperationFrameTest, AnOutputThatCannotBeWrittenReplacesNothing)
{
    put("in.txt", "A*\r\n");
    put("out.txt", "OLD\r\n");
    const QString unwritable = path("no-such-folder/out.txt");
    const auto outcome = OperationFrame::run([&](OperationFrame& frame) {
        auto& in = frame.source(path("in.txt"));
        auto& first = frame.output(path("out.txt"));
        auto& second = frame.output(unwritable);
        workshop::transferMarked(in, first);
        second.write("never");
        return QStringLiteral("OK");
    });
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(unwritable)) << outcome.message.toStdString();
    EXPECT_EQ(get("out.txt"), "OLD\r\n");
    EXPECT_EQ(files(), (QStringList{"in.txt", "out.txt"}));
}

TEST_F(OperationFrameTest, AFolderCannotBeADestination)
{
    put("in.txt", "A*\r\n");
    QDir(root()).mkdir("folder");
    const auto outcome = transfer(path("in.txt"), path("folder"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(path("folder"))) << outcome.message.toStdString();
    EXPECT_TRUE(QFileInfo(path("folder")).isDir());
    EXPECT_EQ(files(), QStringList{"in.txt"});
}

TEST_F(OperationFrameTest, AFailedReadLeavesTheDestinationAsItWas)
{
    QDir(root()).mkdir("folder");
    put("out.txt", "OLD\r\n");
    const auto outcome = transfer(path("folder"), path("out.txt"));
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains(path("folder"))) << outcome.message.toStdString();
    EXPECT_EQ(get("out.txt"), "OLD\r\n");
}

TEST_F(OperationFrameTest, AnyOtherFailureIsReportedAndDiscardsTheOutputs)
{
    put("out.txt", "OLD\r\n");
    const auto outcome = OperationFrame::run([&](OperationFrame& frame) -> QString {
        frame.output(path("out.txt")).write("new");
        throw std::runtime_error("boom");
    });
    EXPECT_FALSE(outcome.ok);
    EXPECT_TRUE(outcome.message.contains("boom")) << outcome.message.toStdString();
    EXPECT_EQ(get("out.txt"), "OLD\r\n");
    EXPECT_EQ(files(), QStringList{"out.txt"});
}

TEST_F(OperationFrameTest, ASourceCanBeItsOwnDestination)
{
    put("list.txt", "ABAQUE*\r\nKIWI\r\nZEBRE*\r\n");
    EXPECT_TRUE(transfer(path("list.txt"), path("list.txt")).ok);
    EXPECT_EQ(get("list.txt"), "ABAQUE\r\nZEBRE\r\n");
    EXPECT_EQ(files(), QStringList{"list.txt"});
}

TEST_F(OperationFrameTest, EmptyPathsGiveAMessage)
{
    put("in.txt", "A*\r\n");
    const auto noSource = transfer(QString(), path("out.txt"));
    EXPECT_FALSE(noSource.ok);
    EXPECT_TRUE(noSource.message.contains("vide"));
    const auto noDestination = transfer(path("in.txt"), QString());
    EXPECT_FALSE(noDestination.ok);
    EXPECT_TRUE(noDestination.message.contains("vide"));
    EXPECT_EQ(files(), QStringList{"in.txt"});
}

TEST_F(OperationFrameTest, DerivedOutputsFollowTheSourceName)
{
    put("mots.txt", "A\r\n");
    const auto outcome = OperationFrame::run([&](OperationFrame& frame) {
        const auto outputs = frame.derivedOutputs(path("mots.txt"), {"_a.txt", "val0.txt"});
        outputs[0]->write("a");
        outputs[1]->write("v");
        return QStringLiteral("OK");
    });
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(get("mots_a.txt"), "a\r\n");
    EXPECT_EQ(get("motsval0.txt"), "v\r\n");
}

TEST_F(OperationFrameTest, ASourceWithoutExtensionNamesOutputsBesideIt)
{
    ASSERT_TRUE(QDir(root()).mkdir("d2"));
    const auto outcome = OperationFrame::run([&](OperationFrame& frame) {
        const auto outputs = frame.derivedOutputs(path("d2/ab"), {"_a.txt", "val0.txt"});
        outputs[0]->write("a");
        return QStringLiteral("OK");
    });
    EXPECT_TRUE(outcome.ok) << outcome.message.toStdString();
    EXPECT_EQ(get("d2/ab_a.txt"), "a\r\n");
    EXPECT_EQ(get("d2/abval0.txt"), "");
    EXPECT_EQ(files(), QStringList{});  // nothing written in the folder above
}

TEST_F(OperationFrameTest, TheReferenceIsOpenedOnlyWhenAsked)
{
    const auto missing = path("absent-reference.txt");
    const auto unused = OperationFrame::run([&](OperationFrame& frame) {
        frame.reference(missing);
        return QStringLiteral("OK");
    });
    EXPECT_TRUE(unused.ok);

    put("out.txt", "OLD\r\n");
    const auto used = OperationFrame::run([&](OperationFrame& frame) {
        auto& out = frame.output(path("out.txt"));
        out.write("new");
        const auto reference = frame.reference(missing)();
        return QStringLiteral("OK");
    });
    EXPECT_FALSE(used.ok);
    EXPECT_TRUE(used.message.contains(missing)) << used.message.toStdString();
    EXPECT_EQ(get("out.txt"), "OLD\r\n");
}

TEST_F(OperationFrameTest, ReferenceLinesAreRead)
{
    put("ref.txt", "X\r\nY");
    std::string lines;
    const auto outcome = OperationFrame::run([&](OperationFrame& frame) {
        const auto reference = frame.reference(path("ref.txt"))();
        std::string line;
        while (reference->next(line))
            lines += line + "|";
        return QStringLiteral("OK");
    });
    EXPECT_TRUE(outcome.ok);
    EXPECT_EQ(lines, "X|Y|");
}

// A split whose k-th output cannot take its place (on Windows, a file a spreadsheet holds
// open): the outputs put before it go back, and every file is as it was.
class SplitSwitch : public OperationFrameTest, public ::testing::WithParamInterface<int> {};

TEST_P(SplitSwitch, AFailingOutputPutsEveryOtherBack)
{
    put("mots.txt", "A\r\nB\r\nC\r\nD\r\nE\r\n");
    const std::vector<std::string> suffixes = {"_a.txt", "_b.txt", "_c.txt", "_d.txt", "_e.txt"};
    std::map<QString, QByteArray> before;
    for (const auto& suffix : suffixes)
        if (suffix != "_c.txt")  // one output is new
            put("mots" + QString::fromStdString(suffix), "ANCIEN" + QByteArray(suffix.c_str()));
    for (const auto& name : files())
        before[name] = get(name);
    int switches = 0;
    workshop::FrameHooks hooks;
    hooks.switchStep = [&](const std::string& step) {
        return step.rfind("remplacement ", 0) == 0 && ++switches == GetParam() ? EBUSY : 0;
    };
    const auto outcome = OperationFrame::run(
        [&](OperationFrame& frame) {
            const auto outputs = frame.derivedOutputs(path("mots.txt"), suffixes);
            for (std::size_t i = 0; i < outputs.size(); ++i)
                outputs[i]->write("NOUVEAU");
            return QStringLiteral("Division en 5 OK");
        },
        hooks);
    EXPECT_FALSE(outcome.ok);
    const QString failing = path("mots" + QString::fromStdString(suffixes[GetParam() - 1]));
    EXPECT_TRUE(outcome.message.contains(failing)) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains("aucun fichier n'a été modifié"))
        << outcome.message.toStdString();
    std::map<QString, QByteArray> after;
    for (const auto& name : files())
        after[name] = get(name);
    EXPECT_EQ(after, before);
}

INSTANTIATE_TEST_SUITE_P(Outputs, SplitSwitch, ::testing::Range(1, 6));

struct ReasonCase {
    int errorNumber;
    const char* reason;
};

class SystemReasonCases : public ::testing::TestWithParam<ReasonCase> {};

TEST_P(SystemReasonCases, SaysTheCommonReasonsInFrench)
{
    EXPECT_EQ(systemReason(GetParam().errorNumber).toStdString(), GetParam().reason);
}

INSTANTIATE_TEST_SUITE_P(
    Reasons, SystemReasonCases,
    ::testing::Values(ReasonCase{ENOENT, "fichier ou dossier introuvable"},
                      ReasonCase{EACCES, "permission refusée"},
                      ReasonCase{ENOSPC, "le disque est plein"},
                      ReasonCase{EROFS, "système de fichiers en lecture seule"},
                      ReasonCase{EISDIR, "c'est un dossier"},
                      ReasonCase{
                          textfile::notAPlainFile,
                          "ce n'est pas un fichier ordinaire (tube, périphérique ou socket)"},
                      ReasonCase{4321, "le système a refusé l'opération (erreur n° 4321)"}));

// A device that is always full stands for a disk that fills during a write.
TEST(DescriptorByteSink, KeepsTheNumberOfAFullDisk)
{
    QFile full(QStringLiteral("/dev/full"));
    if (!full.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        GTEST_SKIP() << "no /dev/full on this system";
    DescriptorByteSink sink(full);
    EXPECT_FALSE(sink.write("ABAQUE\r\n", 8));
    EXPECT_EQ(sink.errorNumber(), ENOSPC);
    EXPECT_EQ(systemReason(sink.errorNumber()).toStdString(), "le disque est plein");
    EXPECT_FALSE(sink.write("A", 1));  // once lost, nothing more is tried
    EXPECT_EQ(sink.errorNumber(), ENOSPC);
}

}  // namespace
