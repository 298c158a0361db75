#include "settings/SettingsStore.h"

#include "files/StandardPaths.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

namespace korvisel {
namespace {

// Settings files are small; anything larger than this is not one.
constexpr std::size_t MaximumFileSize = 16 * 1024 * 1024;

// An advisory lock on a file beside the store: the store itself is replaced by rename, so a lock on
// it would be left behind on the old inode.
class StoreLock {
public:
    explicit StoreLock(const std::string& storePath) {
        fd_ = ::open((storePath + ".lock").c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600);
        if (fd_ >= 0)
            while (::flock(fd_, LOCK_EX) != 0 && errno == EINTR) {
            }
    }
    ~StoreLock() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    StoreLock(const StoreLock&) = delete;
    StoreLock& operator=(const StoreLock&) = delete;

private:
    int fd_ = -1;
};

} // namespace

TSettingsStore::TSettingsStore(std::string path) : path_(std::move(path)) {}

std::string TSettingsStore::DefaultPath() {
    if (const char* path = std::getenv("KORVISEL_REGISTRY"); path && *path)
        return path;
    return UserConfigFolder() + "/registry.reg";
}

TRegistryData TSettingsStore::Load() {
    const TFileHead head = ReadFileHead(path_, MaximumFileSize + 1);
    if (head.Status == TReadStatus::NotFound)
        return {};
    if (head.Status == TReadStatus::Ok && head.Size <= MaximumFileSize) {
        const std::string text(head.Bytes.begin(), head.Bytes.end());
        if (auto data = TRegistryData::Parse(text))
            return std::move(*data);
    }
    ::rename(path_.c_str(), (path_ + ".bad").c_str());
    return {};
}

std::optional<std::string> TSettingsStore::ReadString(std::string_view key, std::string_view name) {
    const TRegistryData data = Load();
    const TRegValue* value = data.Find(key, name);
    if (!value || value->Kind != TRegValue::Type::String)
        return std::nullopt;
    return value->Text;
}

std::optional<std::uint32_t> TSettingsStore::ReadDword(std::string_view key, std::string_view name) {
    const TRegistryData data = Load();
    const TRegValue* value = data.Find(key, name);
    if (!value || value->Kind != TRegValue::Type::Dword)
        return std::nullopt;
    return value->Number;
}

std::vector<std::string> TSettingsStore::ValueNames(std::string_view key) {
    return Load().Names(key);
}

TIoResult TSettingsStore::Update(const std::function<void(TRegistryData&)>& change) {
    if (const TIoResult folder = MakeFolders(ParentFolder(path_)); !folder.Ok)
        return folder;
    StoreLock lock(path_);
    TRegistryData data = Load();
    change(data);
    const std::string text = data.Serialize();
    return WriteFileAtomically(path_,
                               std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

TIoResult TSettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view value) {
    return Update([&](TRegistryData& data) { data.Set(key, name, TRegValue::String(std::string(value))); });
}

TIoResult TSettingsStore::WriteDword(std::string_view key, std::string_view name, std::uint32_t value) {
    return Update([&](TRegistryData& data) { data.Set(key, name, TRegValue::Dword(value)); });
}

TIoResult TSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
    return Update([&](TRegistryData& data) { data.Remove(key, name); });
}

} // namespace korvisel
