// Whole-file reading, the safe replacing of a file and checked standard output.
#include "files/FileIo.h"
#include "files/SafeFile.h"
#include "support/FullDisk.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cerrno>
#include <fcntl.h>
#include <memory>
#include <ostream>
#include <utility>

using tslq::test::FullDisk;
using tslq::test::ReadBytes;
using tslq::test::WriteBytes;

namespace {

// Every size of write fails on a full disk, the small ones that a buffered
// write would take without a word included, and the target keeps its bytes.
TEST(FileIo, FullDiskLeavesThePreviousFileAndNoLeftovers)
{
    FullDisk disk;
    if (!disk.Unusable().isEmpty()) GTEST_SKIP() << disk.Unusable().toStdString();
    const QString path = disk.FilePath("radio.qx");
    for (const std::size_t size :
         {std::size_t{1}, std::size_t{100}, std::size_t{10000}, std::size_t{300000}}) {
        SCOPED_TRACE(size);
        ASSERT_TRUE(WriteBytes(path.toStdString(), "previous content"));
        ASSERT_TRUE(disk.Fill()) << disk.Kind().toStdString();
        QString error;
        EXPECT_FALSE(SaveFileBytes(path, std::string(size, 'x'), &error));
        // Through the device as a PDF writer uses it: many small writes.
        SafeFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << file.Reason().toStdString();
        for (std::size_t i = 0; i < size && !file.Failed(); i += 50)
            file.write(std::string(50, 'y').c_str(), 50);
        EXPECT_FALSE(file.Commit());
        disk.Release();

        EXPECT_EQ(error, disk.Reason());
        EXPECT_EQ(file.Reason(), disk.Reason());
        EXPECT_EQ(ReadBytes(path.toStdString()), "previous content");
        EXPECT_EQ(disk.Files(), QStringList{"radio.qx"});
    }
    EXPECT_TRUE(SaveFileBytes(path, "new content"));
    EXPECT_EQ(ReadBytes(path.toStdString()), "new content");
    EXPECT_EQ(disk.Files(), QStringList{"radio.qx"});
}

// A file cancelled, closed or dropped before its commit changes nothing.
TEST(FileIo, UncommittedFileChangesNothing)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.qx");
    ASSERT_TRUE(WriteBytes(path.toStdString(), "previous content"));
    for (int way = 0; way < 3; ++way) {
        auto file = std::make_unique<SafeFile>(path);
        ASSERT_TRUE(file->open(QIODevice::WriteOnly));
        EXPECT_EQ(file->write("new", 3), 3);
        if (way == 0) file->Cancel();
        if (way == 1) file->close();
        file.reset();
        EXPECT_EQ(ReadBytes(path.toStdString()), "previous content");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.qx"});
    }
    // A device is never replaced by a file.
    SafeFile device("/dev/null");
    EXPECT_FALSE(device.open(QIODevice::WriteOnly));
    EXPECT_EQ(device.Reason(), "is not a regular file");
    EXPECT_FALSE(QFileInfo("/dev/null").isFile());
}

// A disk that takes every write and fails only when the data must reach it
// (fsync): the save fails with that reason and the target keeps its bytes.
// An interrupted sync is tried again.
int syncErrors[2] = {};
int FailingSync(int)
{
    for (int& error : syncErrors)
        if (error != 0) {
            errno = std::exchange(error, 0);
            return -1;
        }
    return 0;
}

TEST(FileIo, FailingSyncFailsTheSave)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("radio.qx");
    const struct
    {
        int first, second;
        const char* reason; // empty: saved
    } cases[] = {
        {EIO, 0, "Input/output error"},
        {ENOSPC, 0, "No space left on device"},
        {EINTR, EIO, "Input/output error"},
        {EINTR, 0, ""},
    };
    const FileSync previous = SetFileSync(&FailingSync);
    for (const auto& test : cases) {
        SCOPED_TRACE(test.first);
        ASSERT_TRUE(WriteBytes(path.toStdString(), "previous content"));
        syncErrors[0] = test.first;
        syncErrors[1] = test.second;
        QString error;
        const bool saved = SaveFileBytes(path, "new content", &error);
        EXPECT_EQ(error.toStdString(), test.reason);
        EXPECT_EQ(saved, *test.reason == '\0');
        EXPECT_EQ(ReadBytes(path.toStdString()), saved ? "new content" : "previous content");
        EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{"radio.qx"});
    }
    SetFileSync(previous);
}

// Standard output onto a full disk: the stream goes bad and says why.
TEST(FileIo, CheckedDescriptorOutput)
{
    FullDisk disk;
    if (!disk.Unusable().isEmpty()) GTEST_SKIP() << disk.Unusable().toStdString();
    const int fd = ::open(disk.FilePath("out").toLocal8Bit().constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    ASSERT_GE(fd, 0);
    DescriptorStreamBuf buffer(fd);
    std::ostream out(&buffer);
    ASSERT_TRUE(disk.Fill());
    out << "a line\n";
    out.flush();
    disk.Release();
    EXPECT_FALSE(out);
    EXPECT_EQ(buffer.Reason(), disk.Reason());
    EXPECT_FALSE(buffer.Close());

    DescriptorStreamBuf closed(-1);
    std::ostream lost(&closed);
    lost << std::string(20000, 'x');
    EXPECT_FALSE(lost);
    EXPECT_FALSE(closed.Reason().isEmpty());
}

TEST(FileIo, RefusedTargets)
{
    QTemporaryDir dir;
    QString error;
    EXPECT_FALSE(SaveFileBytes(dir.filePath("missing/radio.qx"), "x", &error));
    EXPECT_FALSE(SaveFileBytes(dir.path(), "x", &error)); // a folder
    EXPECT_FALSE(ReadFileBytes(dir.filePath("missing.qx"), &error));
    EXPECT_FALSE(ReadFileBytes(dir.path(), &error));
    EXPECT_EQ(error, "is a folder");
}

TEST(FileIo, ReadsBinaryBytesAndRefusesEndlessInput)
{
    QTemporaryDir dir;
    const std::string bytes("a\0b\r\n\xff", 6);
    ASSERT_TRUE(SaveFileBytes(dir.filePath("b.qx"), bytes));
    EXPECT_EQ(ReadFileBytes(dir.filePath("b.qx")), bytes);
    QString error;
    EXPECT_FALSE(ReadFileBytes("/dev/zero", &error));
    EXPECT_EQ(error, "file too long");
}

} // namespace
