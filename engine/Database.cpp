#include "engine/Database.h"

#include <cstdio>

#include "core/AsciiCase.h"
#include "engine/FileIO.h"
#include "engine/ParadoxTable.h"

namespace engine {
namespace {

EngineError InitFailed(int code) {
    char text[100];
    std::snprintf(text, sizeof text,
                  "An error occurred while attempting to initialize the Borland Database Engine (error $%04X)", code);
    return EngineError(text, code);
}

// The file name a table name asks for: ".DB" added when it has no extension.
std::string WithExtension(const std::string& name) {
    if (name.empty() || name == "." || name == ".." || name.find_first_of("/\\:") != std::string::npos ||
        name.find('\0') != std::string::npos)
        throw EngineError("Неверное имя таблицы «" + name + "»");
    if (name.find('.') == std::string::npos) return name + ".DB";
    return name;
}

}  // namespace

struct Database::Impl {
    std::unique_ptr<FileLock> lock;
    std::map<std::string, std::unique_ptr<ParadoxTable>> tables;  // by the file's own name
    std::map<std::string, ParadoxTable*> aliases;                 // by the name asked for

    // The directory's file for `wanted`: the exact name first, then the same name with
    // the extension in any ASCII case. Empty when there is none.
    static std::string Resolve(FileIO& io, const std::string& dir, const std::string& wanted) {
        std::vector<std::string> names = io.ListDir(dir);
        for (const std::string& n : names)
            if (n == wanted) return n;
        std::size_t dot = wanted.rfind('.');
        for (const std::string& n : names) {
            std::size_t d = n.rfind('.');
            if (d == dot && n.compare(0, dot, wanted, 0, dot) == 0 &&
                EqualsIgnoreAsciiCase(n.substr(d), wanted.substr(dot)))
                return n;
        }
        return std::string();
    }
};

Database::Database(std::string dir, std::shared_ptr<FileIO> io)
    : dir_(std::move(dir)), io_(io ? std::move(io) : FileIO::Native()), impl_(std::make_unique<Impl>()) {
    try {
        impl_->lock = io_->LockExclusive(JoinPath(dir_, kLockFileName));
    } catch (const EngineError&) {
        throw InitFailed(kErrCannotLock);
    }
    if (!impl_->lock) throw InitFailed(kErrDirectoryBusy);
}

Database::~Database() = default;

Table& Database::OpenTable(const std::string& name) {
    std::string wanted = WithExtension(name);
    auto alias = impl_->aliases.find(wanted);
    if (alias != impl_->aliases.end()) return *alias->second;
    std::string file = Impl::Resolve(*io_, dir_, wanted);
    if (file.empty()) throw EngineError("Таблица «" + wanted + "» не найдена");
    auto it = impl_->tables.find(file);
    if (it == impl_->tables.end()) it = impl_->tables.emplace(file, ParadoxTable::Open(*io_, dir_, file)).first;
    impl_->aliases[wanted] = it->second.get();
    return *it->second;
}

Table& Database::CreateTable(const std::string& name, const std::vector<FieldDef>& fields) {
    std::string wanted = WithExtension(name);
    if (!Impl::Resolve(*io_, dir_, wanted).empty()) throw EngineError("Таблица «" + wanted + "» уже существует");
    ParadoxTable::Create(*io_, dir_, wanted, fields);
    return OpenTable(wanted);
}

}  // namespace engine
