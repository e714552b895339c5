#pragma once

// Files: the user's preferences folder, items in it, binary streams and the
// registration of file types.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace fw {

class BinaryStream;

class FolderItem {
public:
    explicit FolderItem(std::filesystem::path path) : m_path(std::move(path)) {}

    const std::filesystem::path& Path() const { return m_path; }
    bool Exists() const;
    std::shared_ptr<FolderItem> Child(const std::string& name) const;

    // nullptr when the file cannot be opened.
    std::unique_ptr<BinaryStream> OpenAsBinaryFile(bool readWrite) const;
    // Replaces the file with what the stream writes. The new content takes the
    // file's place only when the stream closes after every write succeeded, so
    // a failed save leaves the previous file whole. nullptr when the file
    // cannot be created.
    std::unique_ptr<BinaryStream> CreateBinaryFile(const std::string& fileType) const;

private:
    std::filesystem::path m_path;
};

using FolderItemPtr = std::shared_ptr<FolderItem>;

// The XDG configuration folder ($XDG_CONFIG_HOME, else ~/.config), created
// when missing; nullptr when there is none or it cannot be created.
FolderItemPtr PreferencesFolder();

// Values are big-endian, the default order of the platform the program came
// from, so files written there read back unchanged.
class BinaryStream {
public:
    ~BinaryStream();
    BinaryStream(const BinaryStream&) = delete;
    BinaryStream& operator=(const BinaryStream&) = delete;

    // Past the end of the data a read yields 0.
    std::int32_t ReadLong();
    void WriteLong(std::int32_t value);
    void Close();

private:
    friend class FolderItem;
    BinaryStream() = default;

    std::vector<std::uint8_t> m_data;
    std::size_t m_position = 0;
    bool m_writing = false;
    bool m_closed = false;
    std::filesystem::path m_target;
};

// A file type known to the system. Converting it to text registers it the
// first time and yields its Name.
class FileType {
public:
    std::string Name;
    std::string Extensions;
    std::string MacType;
    std::string MacCreator;

    std::string ToString();

private:
    bool m_registered = false;
};

// Every file type registered so far, in registration order.
const std::vector<FileType>& RegisteredFileTypes();
void ForgetRegisteredFileTypes();

} // namespace fw
