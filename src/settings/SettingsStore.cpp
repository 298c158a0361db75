// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/SettingsStore.h"

#include "files/StandardPaths.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

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

TSettingsStore TSettingsStore::InMemory() {
    TSettingsStore store{std::string()};
    store.inMemory_ = true;
    return store;
}

std::string TSettingsStore::DefaultPath() {
    if (const char* path = std::getenv("KORVISEL_REGISTRY"); path && *path)
        return path;
    return UserConfigFolder() + "/registry.reg";
}

bool TSettingsStore::Refresh() {
    if (inMemory_ || !unreadable_.empty())
        return false;
    if (parsed_ && FileIdentity(path_) == identity_)
        return false;
    const TFileHead head = ReadFileHead(path_, MaximumFileSize + 1);
    parsed_ = true;
    data_ = {};
    identity_.reset();
    damagedLines_.clear();
    if (head.Status == TReadStatus::NotFound)
        return true;
    if (head.Status != TReadStatus::Ok || head.Size > MaximumFileSize) {
        // Nothing says the file is damaged, so it stays as it is for the user to look at.
        unreadable_ = head.Status != TReadStatus::Ok ? head.Reason : "larger than 16 MB";
        Notice("The settings file " + path_ + " could not be read (" + unreadable_ +
               "). The program runs on its default settings and saves none until it is started again.");
        return true;
    }
    TRegistryData::TParsed parsed = TRegistryData::Parse(
        std::string_view(reinterpret_cast<const char*>(head.Bytes.data()), head.Bytes.size()));
    data_ = std::move(parsed.Data);
    damagedLines_ = std::move(parsed.DamagedLines);
    identity_ = head.Identity;
    return true;
}

const TRegistryData& TSettingsStore::Current() {
    if (Refresh() && !damagedLines_.empty())
        Update([](TRegistryData&) {});
    return data_;
}

TResult<> TSettingsStore::SetDamagedLinesAside() {
    std::string aside;
    int number = 1;
    for (struct stat st{}; number <= 9999; ++number) {
        aside = path_ + "." + std::to_string(number) + ".bad";
        if (::lstat(aside.c_str(), &st) != 0 && errno == ENOENT)
            break;
    }
    std::string text;
    for (const std::string& line : damagedLines_)
        text += line + "\n";
    TResult<> result =
        number > 9999
            ? TResult<>::Failure("no free name for the damaged lines")
            : WriteFileAtomically(aside,
                                  std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    const std::string lines = std::to_string(damagedLines_.size()) +
                              (damagedLines_.size() == 1 ? " damaged line" : " damaged lines");
    if (!result.Ok()) {
        Notice("The settings file " + path_ + " has " + lines + " that could not be set aside (" +
               result.Reason() +
               "). The other settings are used; changes are not saved until the lines can be set aside.");
        return result;
    }
    Notice("The settings file " + path_ + " had " + lines + ", now set aside in " + aside +
           ". Every other setting was kept.");
    damagedLines_.clear();
    return result;
}

void TSettingsStore::Notice(std::string text) {
    if (std::find(noticed_.begin(), noticed_.end(), text) != noticed_.end())
        return;
    noticed_.push_back(text);
    notice_ += (notice_.empty() ? "" : "\n\n") + text;
}

std::string TSettingsStore::TakeNotice() {
    return std::exchange(notice_, {});
}

std::optional<std::string> TSettingsStore::ReadString(std::string_view key, std::string_view name) {
    const TRegValue* value = Current().Find(key, name);
    if (!value || value->Kind != TRegValue::Type::String)
        return std::nullopt;
    return value->Text;
}

std::optional<std::uint32_t> TSettingsStore::ReadDword(std::string_view key, std::string_view name) {
    const TRegValue* value = Current().Find(key, name);
    if (!value || value->Kind != TRegValue::Type::Dword)
        return std::nullopt;
    return value->Number;
}

std::vector<std::string> TSettingsStore::ValueNames(std::string_view key) {
    return Current().Names(key);
}

TResult<> TSettingsStore::Update(const std::function<void(TRegistryData&)>& change) {
    if (inMemory_) {
        change(data_);
        return {};
    }
    const auto refused = [&] {
        return TResult<>::Failure("the settings file could not be read: " + unreadable_);
    };
    if (!unreadable_.empty())
        return refused();
    if (const TResult<> folder = MakeFolders(ParentFolder(path_)); !folder.Ok())
        return WriteRefused(folder);
    StoreLock lock(path_);
    Refresh();
    if (!unreadable_.empty())
        return refused();
    const bool damaged = !damagedLines_.empty();
    if (damaged)
        if (TResult<> aside = SetDamagedLinesAside(); !aside.Ok())
            return aside;
    // The change is kept only once it is in the file, so a failed write leaves both as they were.
    TRegistryData changed = data_;
    change(changed);
    const std::string text = changed.Serialize();
    // Rewriting the same values would only wake whoever watches the folder; a file with damaged lines
    // is rewritten without them.
    if (!damaged && text == data_.Serialize())
        return {};
    const TResult<> written = WriteFileAtomically(
        path_, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
    if (!written.Ok())
        return WriteRefused(written);
    data_ = std::move(changed);
    identity_ = FileIdentity(path_);
    return written;
}

TResult<> TSettingsStore::WriteRefused(const TResult<>& failure) {
    if (!writeRefusalSaid_)
        Notice("The settings file " + path_ + " cannot be written (" + failure.Reason() +
               "), so no setting changed in this run will be kept.");
    writeRefusalSaid_ = true;
    return failure;
}

TResult<> TSettingsStore::WriteString(std::string_view key, std::string_view name, std::string_view value) {
    return Update([&](TRegistryData& data) { data.Set(key, name, TRegValue::String(std::string(value))); });
}

TResult<> TSettingsStore::WriteDword(std::string_view key, std::string_view name, std::uint32_t value) {
    return Update([&](TRegistryData& data) { data.Set(key, name, TRegValue::Dword(value)); });
}

TResult<> TSettingsStore::DeleteValue(std::string_view key, std::string_view name) {
    return Update([&](TRegistryData& data) { data.Remove(key, name); });
}

} // namespace korvisel
