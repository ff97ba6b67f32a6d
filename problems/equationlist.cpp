#include "problems/equationlist.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <system_error>

#include "engine/cp1250.h"
#include "engine/engine.h"
#include "engine/markers.h"
#include "engine/regularfile.h"

namespace fs = std::filesystem;

std::string listRootText(const std::string& numberText) {
    std::string t = numberText;
    if (!t.empty() && t.front() == '(') t.erase(0, 1);
    if (!t.empty() && t.back() == ')') t.pop_back();
    // Only zeros after a decimal point are padding: 20000 must not become 2.
    if (t.find('.') != std::string::npos)
        for (int i = 0; i < 4 && !t.empty() && t.back() == '0'; ++i) t.pop_back();
    if (!t.empty() && t.back() == '.') t.pop_back();
    return t;
}

std::string equationListLine(const EquationRecord& record, ListGap gap) {
    // The engine's operations do nothing while errorCode is set; the list
    // must not depend on what a pupil's check left there, nor change it.
    const int32_t saved = errorCode;
    errorCode = 0;
    std::string line = normalise(record.slot(0));
    errorCode = 0;
    line += gap == ListGap::Builder ? "       ( " : " ( ";
    line += listRootText(numberText(record.root));
    line += " )";
    errorCode = saved;
    // The power byte has no character in Windows-1250.
    std::replace(line.begin(), line.end(), static_cast<char>(POWER_OPERATOR), '^');
    return line;
}

namespace {

std::string joinPath(const std::string& folder, const std::string& diskName) {
    if (folder.empty()) return diskName;
    return folder.back() == '/' ? folder + diskName : folder + "/" + diskName;
}

std::string lowerAscii(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

bool endsWithAny(const std::string& name, const std::vector<std::string>& extensions) {
    const std::string lower = lowerAscii(name);
    for (const std::string& e : extensions) {
        const std::string ext = lowerAscii(e);
        if (lower.size() > ext.size() && lower.compare(lower.size() - ext.size(), ext.size(), ext) == 0) return true;
    }
    return false;
}

std::string cannotOpen(const std::string& name) { return cp1250::w1250("Nepodařilo se otevřít soubor ") + name; }
std::string readFailed(const std::string& name) { return cp1250::w1250("Chyba při čtení ze souboru ") + name; }

void tell(const ListWarning& warn, const std::string& text) {
    if (warn) warn(text);
}

}  // namespace

std::string pathInFolder(const std::string& folder, const std::string& name) {
    return joinPath(folder, cp1250::toUtf8(name));
}

std::vector<ListedFile> listEquationFiles(const std::string& folder, const std::vector<std::string>& extensions) {
    std::vector<ListedFile> files;
    std::error_code error;
    for (fs::directory_iterator it(folder.empty() ? "." : folder, error), end; !error && it != end;
         it.increment(error)) {
        std::error_code kind;
        if (!it->is_regular_file(kind)) continue;
        const std::string diskName = it->path().filename().string();
        ListedFile file;
        if (!endsWithAny(diskName, extensions) || !cp1250::fromDiskName(diskName, file.name)) continue;
        file.diskName = diskName;
        files.push_back(std::move(file));
    }
    std::sort(files.begin(), files.end(), [](const ListedFile& a, const ListedFile& b) {
        const std::string la = lowerAscii(a.diskName), lb = lowerAscii(b.diskName);
        return la != lb ? la < lb : a.diskName < b.diskName;
    });
    return files;
}

RecordsRead readEquationRecords(const std::string& path, const std::function<void(const EquationRecord&)>& each,
                                long limit) {
    RecordsRead result;
    std::FILE* f = regularfile::fopenRegular(path, "rb");
    if (!f) return result;
    result.opened = true;
    long count = -1;
    if (std::fseek(f, 0, SEEK_END) == 0) {
        const long size = std::ftell(f);
        if (size >= 0) count = size / EquationRecord::RECORD_SIZE;
    }
    if (count >= 0 && std::fseek(f, 0, SEEK_SET) == 0) {
        if (limit >= 0) count = std::min(count, limit);
        unsigned char buf[EquationRecord::RECORD_SIZE];
        long read = 0;
        for (; read < count && std::fread(buf, 1, sizeof buf, f) == sizeof buf; ++read)
            each(EquationRecord::fromBytes(buf));
        result.complete = read == count;
    }
    std::fclose(f);
    return result;
}

bool fileListLines(const std::string& folder, const ListedFile& file, std::vector<std::string>& lines,
                   const ListWarning& warn) {
    lines.clear();
    const RecordsRead read = readEquationRecords(joinPath(folder, file.diskName), [&](const EquationRecord& r) {
        lines.push_back(equationListLine(r, ListGap::Browser));
    });
    if (!read.opened) tell(warn, cannotOpen(file.name));
    else if (!read.complete) tell(warn, readFailed(file.name));
    return read.opened && read.complete;
}

bool locateBankEquation(int32_t position, const std::vector<BankArea>& areas, int32_t& code, int& record) {
    if (position < 0) return false;
    int32_t start = 0;
    for (const BankArea& area : areas) {
        const int count = std::max(0, area.count);
        if (position < start + count) {
            code = area.code;
            record = position - start;
            return true;
        }
        start += count;
    }
    return false;
}

std::string unreadableEquationLine() { return cp1250::w1250("(rovnici se nepodařilo přečíst)"); }

std::vector<std::string> bankListLines(const std::string& folder, const std::vector<BankArea>& areas,
                                       const ListWarning& warn) {
    std::vector<std::string> lines;
    for (const BankArea& area : areas) {
        if (area.count <= 0) continue;
        const std::string name = equationFileName(area.code, std::string());
        int got = 0;
        const RecordsRead read = readEquationRecords(
            pathInFolder(folder, name),
            [&](const EquationRecord& r) {
                lines.push_back(equationListLine(r, ListGap::Builder));
                ++got;
            },
            area.count);
        if (got < area.count) {
            tell(warn, read.opened ? readFailed(name) : cannotOpen(name));
            lines.insert(lines.end(), static_cast<size_t>(area.count - got), unreadableEquationLine());
        }
    }
    return lines;
}
