// Helpers for the haiku hall's window tests: a temporary museum (working directory
// with TxtData files written in cp932 from UTF-8 text), the profile pointed at it,
// and an application object whose main window is a plain MDI frame.
#pragma once

#include <QString>
#include <filesystem>
#include <string>

#include "../unit/TempDir.h"
#include "ReaderTestSupport.h"  // Cp and Shown
#include "app/ProfileStore.h"
#include "platform/Cp932.h"
#include "platform/MDIFrameWnd.h"
#include "platform/WinApp.h"

class TestApp : public CWinApp {
public:
    void SetMainWnd(CMDIFrameWnd* frame) { m_pMainWnd = frame; }
};

// A working directory of its own for each test; the profile's INI lies in it too.
class TempMuseum {
public:
    TempMuseum() {
        std::filesystem::create_directories(m_dir.File("TxtData"));
        theProfile.SetupProfile(m_dir.Path(), "quillary");
    }

    // Writes TxtData/name in cp932 from UTF-8 text.
    void WriteTxtData(const char* name, const char* utf8Text) const {
        m_dir.Write(TxtData(name), cp932::FromUtf8Lossy(utf8Text));
    }
    void RemoveTxtData(const char* name) const { std::filesystem::remove(m_dir.File(TxtData(name))); }
    std::string Path() const { return m_dir.Path(); }

private:
    static std::string TxtData(const char* name) { return std::string("TxtData/") + name; }

    TempDir m_dir;
};

// Three commentary sections: the first haiku with every field, the next two with
// readings that sort before it, so a sort by the first phrase reorders the rows.
inline const char* kTestCommentary =
    "// test commentary\n"
    "[*]\n"
    "1:初めて句を留む\n"
    "2:んまい あいう えお\n"
    "3:春\n"
    "4:雪解け\n"
    "5:「五百句」\n"
    "6:山の雪が解けはじめ、\n"
    "千曲川の瀬の音が大きくなる。\n"
    "[*]\n"
    "2:ぬぬぬぬ かきく けこ\n"
    "3:春\n"
    "4:蚕\n"
    "[*]\n"
    "2:あさがお さしす せそ\n"
    "3:秋\n"
    "4:朝顔\n";
