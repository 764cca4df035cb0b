// A full file system for tests of failing writes: a real one, not a mock.
//
// As root, a small tmpfs is mounted on a scratch folder; Fill() then takes up
// the room that is left, so that every write needing room fails with ENOSPC
// ("No space left on device"), in this process and in the programs it
// starts. The mount lives in a mount namespace of the test process's own
// where the system allows one, so that even a test that crashes leaves
// nothing mounted behind; the destructor unmounts it in any case.
//
// Where no tmpfs can be mounted, the folder is an ordinary one and Fill()
// limits the size of the files this process (and the programs it starts)
// may write to nothing (RLIMIT_FSIZE, with SIGXFSZ ignored), so that writes
// fail with EFBIG ("File too large"). TSLQ_FULL_DISK=limit chooses that way
// even as root.
#pragma once

#include <QString>
#include <QStringList>

#include <memory>

namespace tslq::test {

class FullDisk
{
  public:
    FullDisk();
    ~FullDisk();
    FullDisk(const FullDisk&) = delete;
    FullDisk& operator=(const FullDisk&) = delete;

    // Empty when the full disk can be made here; otherwise why not, for
    // GTEST_SKIP().
    QString Unusable() const { return unusable_; }
    // "tmpfs" or "file size limit": which way the disk is made full.
    QString Kind() const;
    // What the system says when a write fails here once the disk is full:
    // "No space left on device" or "File too large".
    QString Reason() const;

    // The folder the test writes in. Before Fill() it has room for files of
    // a few hundred kilobytes, such as the previous version of a file.
    QString Folder() const { return folder_; }
    QString FilePath(const QString& name) const { return folder_ + QLatin1Char('/') + name; }
    // The names of the files in the folder, in name order.
    QStringList Files() const;

    // Uses up the room that is left; false when that did not work.
    bool Fill();
    // Gives the room back.
    void Release();

  private:
    bool Mount();

    QString unusable_;
    QString root_;   // the scratch folder, the mount point when mounted
    QString folder_; // where the test writes, under root_
    bool mounted_ = false;
    bool limited_ = false;
    bool filled_ = false;
    struct Saved;
    std::unique_ptr<Saved> saved_;
};

} // namespace tslq::test
