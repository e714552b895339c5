#include "files.h"

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <system_error>
#include <unistd.h>

namespace fw {

namespace fs = std::filesystem;

bool FolderItem::Exists() const
{
    std::error_code ec;
    return fs::exists(m_path, ec);
}

std::shared_ptr<FolderItem> FolderItem::Child(const std::string& name) const
{
    return std::make_shared<FolderItem>(m_path / name);
}

std::unique_ptr<BinaryStream> FolderItem::OpenAsBinaryFile(bool readWrite) const
{
    std::ifstream in(m_path, std::ios::binary);
    if (!in)
        return nullptr;
    std::unique_ptr<BinaryStream> stream(new BinaryStream());
    stream->m_data.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    if (in.bad())
        return nullptr;
    stream->m_writing = readWrite;
    stream->m_target = m_path;
    return stream;
}

std::unique_ptr<BinaryStream> FolderItem::CreateBinaryFile(const std::string& /*fileType*/) const
{
    std::error_code ec;
    if (!fs::is_directory(m_path.parent_path(), ec))
        return nullptr;
    std::unique_ptr<BinaryStream> stream(new BinaryStream());
    stream->m_writing = true;
    stream->m_target = m_path;
    return stream;
}

FolderItemPtr PreferencesFolder()
{
    fs::path folder;
    if (const char* config = std::getenv("XDG_CONFIG_HOME"); config != nullptr && *config != '\0')
        folder = config;
    else if (const char* home = std::getenv("HOME"); home != nullptr && *home != '\0')
        folder = fs::path(home) / ".config";
    else
        return nullptr;
    std::error_code ec;
    fs::create_directories(folder, ec);
    if (!fs::is_directory(folder, ec))
        return nullptr;
    return std::make_shared<FolderItem>(folder);
}

BinaryStream::~BinaryStream() { Close(); }

std::int32_t BinaryStream::ReadLong()
{
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) {
        std::uint8_t byte = m_position < m_data.size() ? m_data[m_position] : 0;
        ++m_position;
        value = (value << 8) | byte;
    }
    return static_cast<std::int32_t>(value);
}

void BinaryStream::WriteLong(std::int32_t value)
{
    auto bits = static_cast<std::uint32_t>(value);
    if (m_data.size() < m_position + 4)
        m_data.resize(m_position + 4);
    for (int i = 0; i < 4; ++i)
        m_data[m_position++] = static_cast<std::uint8_t>(bits >> (24 - 8 * i));
}

void BinaryStream::Close()
{
    if (m_closed)
        return;
    m_closed = true;
    if (!m_writing)
        return;
    // Write beside the target, then rename over it: the old file stays whole
    // until the new one is complete on disk.
    fs::path temporary = m_target;
    temporary += ".tmp-" + std::to_string(::getpid());
    bool written = false;
    if (std::FILE* file = std::fopen(temporary.c_str(), "wb")) {
        written = std::fwrite(m_data.data(), 1, m_data.size(), file) == m_data.size();
        written = std::fflush(file) == 0 && written;
        written = ::fsync(::fileno(file)) == 0 && written;
        written = std::fclose(file) == 0 && written;
    }
    std::error_code ec;
    if (written)
        fs::rename(temporary, m_target, ec);
    if (!written || ec)
        fs::remove(temporary, ec);
}

namespace {
std::vector<FileType>& Registry()
{
    static std::vector<FileType> registry;
    return registry;
}
} // namespace

std::string FileType::ToString()
{
    if (!m_registered) {
        m_registered = true;
        Registry().push_back(*this);
    }
    return Name;
}

const std::vector<FileType>& RegisteredFileTypes() { return Registry(); }

void ForgetRegisteredFileTypes() { Registry().clear(); }

} // namespace fw
