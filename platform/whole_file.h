#pragma once

#include <QIODevice>
#include <QString>
#include <string>

namespace vavivor {

// A new, empty file in the folder of `path`, hidden and named after it, with the permissions a
// new file gets; its descriptor, or -1 with errno set when the folder takes none.
int createFileBeside(const QString& path, std::string* name);

// A file that Qt's writers write into, and that stands under its name only when every byte
// reached the disk. Written beside its place, it goes to a new file in the same folder, and
// commit() checks every write, the size and fsync before it renames the new file into place;
// any failure removes the new file. Written in place (for a name such as /proc/self/fd/N, whose
// folder takes no new file), the file itself is written and the same checks report a failure.
// Qt's writers ignore failed writes, so the device keeps the first one and its system reason.
class WholeFile : public QIODevice {
public:
    enum class Placement { Beside, InPlace };

    WholeFile() = default;
    // A file that was not committed is removed (written beside its place) or left as it got.
    ~WholeFile() override;
    WholeFile(const WholeFile&) = delete;
    WholeFile& operator=(const WholeFile&) = delete;

    // Opens the device for writing the file `path`; false with failure() set when the folder
    // takes no file.
    bool create(const QString& path, Placement placement);
    // Puts the file in place after checking that all of it was written; false with failure()
    // set otherwise. Closes the device either way.
    bool commit();
    [[nodiscard]] const QString& path() const { return m_path; }
    // "the file /home/u/a.pdf could not be written: File too large", after a failure.
    [[nodiscard]] const std::string& failure() const { return m_failure; }
    // The system's reason alone: "File too large".
    [[nodiscard]] const std::string& reason() const { return m_reason; }

protected:
    qint64 readData(char* data, qint64 length) override;
    qint64 writeData(const char* data, qint64 length) override;

private:
    void failWith(const std::string& reason);
    void discard();

    QString m_path;
    std::string m_written; // the file the bytes go to: a new one beside m_path, or m_path
    bool m_beside = true;
    int m_fd = -1;
    qint64 m_size = 0;
    int m_writeError = 0; // the errno of the first write that failed
    std::string m_failure;
    std::string m_reason;
};

} // namespace vavivor
