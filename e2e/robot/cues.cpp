// Reads Wine's trace of the game's sound calls. Started with WINEDEBUG=trace+winmm, Wine logs each call
//   002c:trace:winmm:MULTIMEDIA_PlaySound pszSound='...' hmod=... fdwSound=00000001
// on the calling thread, and on the thread that then plays it
//   010c:trace:winmm:proc_PlaySound SoundName=L"Z:\\games\\click.wav" !
//   010c:trace:winmm:proc_PlaySound ParentChunk ckid=RIFF fccType=WAVE cksize=000008C2
// with characters outside ASCII as \hhhh and a path past some 280 characters cut, followed by "...".
// A wave played from memory logs its first bytes as the name, then "Memory sound". Calls are played
// one after another, so the n-th name belongs to the n-th call. The RIFF size shows that the file
// was found and read, and which wave it was.
#include "e2e/robot/cues.h"

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>

#include "common/win32/wide_text.h"
#include "e2e/robot/steps.h"

namespace robot {
namespace {

constexpr DWORD kSettleMilliseconds = 500;
constexpr char kCall[] = "trace:winmm:MULTIMEDIA_PlaySound ";
constexpr char kFlags[] = "fdwSound=";
constexpr char kName[] = "trace:winmm:proc_PlaySound SoundName=L\"";
constexpr char kRiff[] = "trace:winmm:proc_PlaySound ParentChunk ckid=RIFF fccType=WAVE cksize=";
constexpr char kMemorySound[] = "trace:winmm:proc_PlaySound Memory sound ";

struct HeardCue {
    unsigned flags = 0;
    bool named = false;
    std::wstring path;    // as far as the trace shows it
    bool cut = false;     // the trace shortened the path
    bool memory = false;  // played from memory: the path means nothing
    std::string thread;   // the thread that played it
    long riffSize = -1;   // the size its wave file gives itself; -1 until the file was read
};

// Where the calls already checked end; the next check looks only at what came after.
std::size_t checked = 0;

std::wstring Environment(const wchar_t* name) {
    wchar_t value[32768];
    const DWORD length = GetEnvironmentVariableW(name, value, 32768);
    if (length == 0 || length >= 32768) {
        Fail(common::win32::Narrow(name) + " set by the harness", "no such variable");
    }
    return std::wstring(value, length);
}

std::string ReadTrace() {
    std::FILE* file = _wfopen(Environment(L"E2E_CUE_TRACE").c_str(), L"rb");
    if (file == nullptr) {
        Fail("the game's trace file", "it cannot be opened");
    }
    std::string text;
    char buffer[65536];
    std::size_t count = 0;
    while ((count = std::fread(buffer, 1, sizeof buffer, file)) > 0) {
        text.append(buffer, count);
    }
    std::fclose(file);
    return text;
}

// The quoted name from where `text` starts, inside L"...": Wine's escapes undone.
void DecodeName(const std::string& text, std::size_t at, HeardCue& cue) {
    std::wstring path;
    while (at < text.size() && text[at] != '"') {
        if (text[at] != '\\' || at + 1 >= text.size()) {
            path += static_cast<wchar_t>(static_cast<unsigned char>(text[at++]));
            continue;
        }
        const char escaped = text[at + 1];
        const wchar_t* plain = escaped == 'n'    ? L"\n"
                               : escaped == 'r'  ? L"\r"
                               : escaped == 't'  ? L"\t"
                               : escaped == '"'  ? L"\""
                               : escaped == '\\' ? L"\\"
                                                 : nullptr;
        if (plain != nullptr) {
            path += plain;
            at += 2;
        } else {
            path += static_cast<wchar_t>(std::stoul(text.substr(at + 1, 4), nullptr, 16));
            at += 5;
        }
    }
    cue.named = true;
    cue.path = path;
    cue.cut = text.compare(at, 4, "\"...") == 0;
}

// The cue named last on this thread, which the thread's further lines are about.
HeardCue* LatestOnThread(std::vector<HeardCue>& cues, std::size_t named, const std::string& thread) {
    for (std::size_t i = named; i-- > 0;) {
        if (cues[i].thread == thread) {
            return &cues[i];
        }
    }
    return nullptr;
}

std::vector<HeardCue> HeardSoFar() {
    const std::string trace = ReadTrace();
    std::vector<HeardCue> cues;
    std::size_t names = 0;
    std::size_t start = 0;
    for (std::size_t end; (end = trace.find('\n', start)) != std::string::npos; start = end + 1) {
        const std::string line = trace.substr(start, end - start);
        const std::string thread = line.substr(0, line.find(':'));
        if (const auto call = line.find(kCall); call != std::string::npos) {
            const auto flags = line.find(kFlags, call);
            cues.push_back({});
            if (flags != std::string::npos) {
                cues.back().flags =
                    static_cast<unsigned>(std::stoul(line.substr(flags + sizeof kFlags - 1), nullptr, 16));
            }
        } else if (const auto name = line.find(kName); name != std::string::npos && names < cues.size()) {
            cues[names].thread = thread;
            DecodeName(line, name + sizeof kName - 1, cues[names++]);
        } else if (HeardCue* cue = LatestOnThread(cues, names, thread); cue != nullptr) {
            if (line.find(kMemorySound) != std::string::npos) {
                cue->memory = true;
            } else if (const auto riff = line.find(kRiff); riff != std::string::npos && cue->riffSize < 0) {
                cue->riffSize = std::stol(line.substr(riff + sizeof kRiff - 1), nullptr, 16);
            }
        }
    }
    return cues;
}

// The size a wave file gives itself in its RIFF header, or -1 when it cannot be read.
long RiffSize(const std::wstring& path) {
    std::FILE* file = _wfopen(common::win32::FilePath(common::win32::Narrow(path)).c_str(), L"rb");
    unsigned char header[8] = {};
    const bool read = file != nullptr && std::fread(header, 1, sizeof header, file) == sizeof header;
    if (file != nullptr) {
        std::fclose(file);
    }
    return read ? static_cast<long>(header[4] | header[5] << 8 | header[6] << 16 |
                                    static_cast<unsigned long>(header[7]) << 24)
                : -1;
}

std::wstring FileName(const std::wstring& path) {
    const auto slash = path.find_last_of(L'\\');
    return slash == std::wstring::npos ? path : path.substr(slash + 1);
}

std::string Describe(const HeardCue& cue) {
    const std::string flags = " (flags " + std::to_string(cue.flags) + ")";
    if (!cue.named) {
        return "a cue not yet named by the trace" + flags;
    }
    if (cue.riffSize < 0) {
        return "a cue whose file \"" + common::win32::Narrow(cue.path) + (cue.cut ? "..." : "") + "\" was not read" +
               flags;
    }
    const std::string riff = ", a wave of " + std::to_string(cue.riffSize + 8) + " bytes";
    if (cue.memory) {
        return "a cue played from memory" + riff + flags;
    }
    if (cue.cut) {
        return "a cue from \"" + common::win32::Narrow(cue.path) + "...\", the rest cut by the trace" + riff + flags;
    }
    return common::win32::Narrow(FileName(cue.path)) + " from \"" + common::win32::Narrow(cue.path) + "\"" + riff +
           flags;
}

std::string Describe(const std::vector<Cue>& cues) {
    std::string text;
    for (const Cue& cue : cues) {
        text += (text.empty() ? "" : ", ") + cue.file + " (flags " + std::to_string(cue.flags) + ")";
    }
    return text.empty() ? "no cue" : text;
}

std::string Describe(const std::vector<HeardCue>& cues) {
    std::string text;
    for (const HeardCue& cue : cues) {
        text += (text.empty() ? "" : ", ") + Describe(cue);
    }
    return text.empty() ? "no cue" : text;
}

// Whether the sound functions open a wave by this path: under 128 characters, all in the code page.
bool OpensByName(const std::wstring& path) {
    BOOL lost = FALSE;
    WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, path.data(), static_cast<int>(path.size()), nullptr, 0, nullptr,
                        &lost);
    return path.size() < 128 && lost == FALSE;
}

bool Matches(const HeardCue& heard, const Cue& expected, const std::wstring& folder) {
    const std::wstring path = folder + L"\\" + common::win32::Widen(expected.file);
    // Wherever the game was put (a clone in a deep folder, say), a wave it cannot open by name is
    // played from memory.
    const unsigned flags = expected.flags | (OpensByName(path) ? 0 : kMemory);
    const bool samePath = heard.memory || (heard.cut ? path.rfind(heard.path, 0) == 0 : heard.path == path);
    return heard.named && heard.flags == flags && samePath && heard.riffSize >= 0 && heard.riffSize == RiffSize(path);
}

// The cues since the last check, once `wanted` of them have a name or the patience is spent, and
// a settling moment has let any further one show.
std::vector<HeardCue> CuesSinceLastCheck(std::size_t wanted) {
    std::vector<HeardCue> heard;
    WaitUntil(
        [&] {
            heard = HeardSoFar();
            std::size_t named = 0;
            for (std::size_t i = checked; i < heard.size(); ++i) {
                named += heard[i].named && heard[i].riffSize >= 0 ? 1 : 0;
            }
            return named >= wanted;
        },
        kPatience);
    Sleep(kSettleMilliseconds);
    heard = HeardSoFar();
    std::vector<HeardCue> fresh(heard.begin() + static_cast<std::ptrdiff_t>(std::min(checked, heard.size())),
                                heard.end());
    checked = heard.size();
    return fresh;
}

}  // namespace

void ExpectCues(const std::vector<Cue>& expected) {
    Step("hear " + Describe(expected));
    const std::wstring folder = Environment(L"E2E_GAME_FOLDER");
    const std::vector<HeardCue> heard = CuesSinceLastCheck(expected.size());
    bool same = heard.size() == expected.size();
    for (std::size_t i = 0; same && i < heard.size(); ++i) {
        same = Matches(heard[i], expected[i], folder);
    }
    if (!same) {
        Fail(Describe(expected) + " from " + common::win32::Narrow(folder), Describe(heard));
    }
    for (const HeardCue& cue : heard) {
        std::printf("  heard %s\n", Describe(cue).c_str());
    }
}

void ExpectNoCue() { ExpectCues({}); }

}  // namespace robot
