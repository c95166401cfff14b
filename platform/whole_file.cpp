#include "whole_file.h"

#include "core/write_all.h"

#include <QFileInfo>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vavivor {

namespace {

std::string systemReason(int error) {
    return error == 0 ? std::string("the system gave no reason") : std::strerror(error);
}

} // namespace

int createFileBeside(const QString& path, std::string* name) {
    const QFileInfo info(path);
    const std::string stem =
        info.absolutePath().toStdString() + "/." + info.fileName().toStdString();
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = stem + "." + std::to_string(::getpid()) + "-" + std::to_string(attempt) + ".part";
        const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) {
            return fd;
        }
    }
    return -1;
}

WholeFile::~WholeFile() {
    discard();
}

bool WholeFile::create(const QString& path, Placement placement) {
    discard();
    m_path = path;
    m_beside = placement == Placement::Beside;
    m_size = 0;
    m_writeError = 0;
    m_failure.clear();
    m_reason.clear();
    if (m_beside) {
        m_fd = createFileBeside(path, &m_written);
    } else {
        m_written = path.toStdString();
        m_fd = ::open(m_written.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    }
    if (m_fd < 0) {
        failWith(systemReason(errno));
        return false;
    }
    return QIODevice::open(QIODevice::WriteOnly | QIODevice::Unbuffered);
}

qint64 WholeFile::readData(char* /*data*/, qint64 /*length*/) {
    return -1;
}

qint64 WholeFile::writeData(const char* data, qint64 length) {
    if (m_fd < 0 || m_writeError != 0) {
        return -1;
    }
    const std::size_t done = writeAll(m_fd, data, static_cast<std::size_t>(length), &m_writeError);
    m_size += static_cast<qint64>(done);
    return m_writeError == 0 ? length : -1;
}

bool WholeFile::commit() {
    QIODevice::close();
    if (m_fd < 0) {
        return false;
    }
    struct stat written {};
    if (m_writeError != 0) {
        failWith(systemReason(m_writeError));
    } else if (::fstat(m_fd, &written) != 0) {
        failWith(systemReason(errno));
    } else if (S_ISREG(written.st_mode) && written.st_size != m_size) {
        failWith("it holds " + std::to_string(written.st_size) + " of its " +
                 std::to_string(m_size) + " bytes");
    } else if (::fsync(m_fd) != 0 && errno != EINVAL) { // EINVAL: a pipe or the like
        failWith(systemReason(errno));
    }
    const int fd = m_fd;
    m_fd = -1;
    if (::close(fd) != 0 && m_failure.empty()) {
        failWith(systemReason(errno));
    }
    if (m_failure.empty() && m_beside &&
        ::rename(m_written.c_str(), m_path.toStdString().c_str()) != 0) {
        failWith(systemReason(errno));
    }
    if (!m_failure.empty()) {
        if (m_beside) {
            ::unlink(m_written.c_str());
        }
        return false;
    }
    if (S_ISREG(written.st_mode)) {
        syncFolderOf(m_path.toStdString()); // the file's name as well as its bytes
    }
    return true;
}

void WholeFile::failWith(const std::string& reason) {
    if (m_failure.empty()) {
        m_reason = reason;
        m_failure = "the file " + m_path.toStdString() + " could not be written: " + reason;
    }
}

void WholeFile::discard() {
    QIODevice::close();
    if (m_fd < 0) {
        return;
    }
    ::close(m_fd);
    m_fd = -1;
    if (m_beside) {
        ::unlink(m_written.c_str());
    }
}

} // namespace vavivor
