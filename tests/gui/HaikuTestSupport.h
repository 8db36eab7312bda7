// Helpers for the list and card window tests: a temporary or the built museum as the
// working directory, a plain MDI main window that opens list windows, and user input.
#pragma once

#include <QHeaderView>
#include <QWheelEvent>
#include <QtTest>
#include <filesystem>
#include <map>
#include <memory>

#include "../unit/TempDir.h"
#include "ReaderTestSupport.h"  // Cp and Shown
#include "app/ProfileStore.h"
#include "platform/DocTemplate.h"
#include "platform/Document.h"
#include "platform/ListCtrl.h"
#include "platform/MDIChildWnd.h"
#include "platform/MDIFrameWnd.h"
#include "platform/WinApp.h"

// An application whose main window is a shown plain MDI frame that opens list
// windows, one template per resource id; it closes them all when it goes.
class ListFrame : public CWinApp {
public:
    explicit ListFrame(QSize size = {900, 600}) : m_frame(new CMDIFrameWnd) {
        m_pMainWnd = m_frame;
        m_frame->resize(size);
        m_frame->show();
    }
    ~ListFrame() override { CloseAll(), m_templates.clear(), delete m_frame; }
    void CloseAll() {
        for (auto& [id, docTemplate] : m_templates) docTemplate->CloseAllDocuments();
    }
    CMDIFrameWnd* Frame() const { return m_frame; }

    // A new list window of View titled title, its child frame resized, maximized (an
    // invalid size) or left as it opened (kAsOpened).
    static constexpr QSize kAsOpened{0, 0};
    template <typename View>
    View* Open(int id, const QString& title, QSize size = {}) {
        std::unique_ptr<CMultiDocTemplate>& docTemplate = m_templates[id];
        if (!docTemplate) {
            docTemplate = std::make_unique<CMultiDocTemplate>(
                id, QStringLiteral("『Tavelo』博物館"), [] { return new CDocument; },
                [] { return new CMDIChildWnd; }, [] { return new View; });
        }
        auto* view = static_cast<View*>(docTemplate->OpenDocumentFile(title, true)->GetFirstView());
        QWidget* child = view->GetParentFrame();
        if (size != kAsOpened) size.isEmpty() ? child->showMaximized() : child->resize(size);
        return view;
    }

private:
    CMDIFrameWnd* m_frame;
    std::map<int, std::unique_ptr<CMultiDocTemplate>> m_templates;
};

// Three commentary sections: the first haiku with every field (its interpretation
// has a character across the end of its first 44-byte row), the next two with
// readings that sort before it, so a sort by the first phrase reorders the rows.
inline const char* kTestCommentary =
    "// test commentary\n"
    "[*]\n1:初めて句を留む\n2:んまい あいう えお\n3:春\n4:雪解け\n5:「五百句」\n"
    "6:山の雪が解けはじめ、千曲川の瀬音が1日ごとに大きくなる。\n耳で春を知る。\n"
    "[*]\n2:ぬぬぬぬ かきく けこ\n3:春\n4:蚕\n"
    "[*]\n2:あさがお さしす せそ\n3:秋\n4:朝顔\n";

// A working directory of its own for each test, with the test commentary as tavelo.txt;
// the profile's INI lies in it too.
class TempMuseum {
public:
    TempMuseum() {
        std::filesystem::create_directories(m_dir.File("TxtData"));
        theProfile.SetupProfile(m_dir.Path(), "quillary");
        WriteTxtData("tavelo.txt", kTestCommentary);
    }

    // Writes TxtData/name in cp932 from UTF-8 text.
    void WriteTxtData(std::string name, const char* utf8Text) const {
        m_dir.Write("TxtData/" + name, Cp(utf8Text));
    }
    std::string Path() const { return m_dir.Path(); }

private:
    TempDir m_dir;
};

// The built museum's TxtData, read through a working directory of the test's own:
// whatever the windows write (the INI) stays out of the museum the program runs from.
class BuiltMuseum {
public:
    static constexpr const char* kFolder = QUILLARY_BINARY_DIR "/museum";

    BuiltMuseum() : m_before(Snapshot()) {
        std::filesystem::create_directory_symlink(std::string(kFolder) + "/TxtData",
                                                  m_dir.File("TxtData"));
        theProfile.SetupProfile(m_dir.Path(), "pictures");
    }
    // True while no file of the museum folder was made, removed or written.
    bool Untouched() const { return Snapshot() == m_before; }

private:
    using Listing = std::map<std::string, std::filesystem::file_time_type>;
    static Listing Snapshot() {
        Listing files;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(kFolder))
            files[entry.path().string()] = entry.last_write_time();
        return files;
    }

    Listing m_before;
    TempDir m_dir;
};

// The unreadable-file notice for TxtData/name (UTF-8).
inline bool ReportsUnreadable(const std::string& message, const std::string& name) {
    return message.ends_with("/TxtData/" + name + "\nファイル を読み出し出来ません.");
}

// A key press where the user's keys arrive: the focused widget of the active window.
inline bool PressKey(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focus = QApplication::focusWidget();
    if (!focus || !focus->isActiveWindow()) return false;
    QTest::keyClick(focus, key, modifiers);
    return true;
}

inline void ClickHeader(CListCtrl* list, int column) {
    QHeaderView* header = list->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(column) + 5, header->height() / 2));
}
inline void ClickRow(CListCtrl* list, int row, bool twice = false) {
    const QPoint point = list->GetItemRect(row).center();
    twice ? QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, point)
          : QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, point);
}
inline QStringList ColumnTexts(CListCtrl* list, int column) {
    QStringList cells;
    for (int r = 0; r < list->GetItemCount(); ++r) cells << list->GetItemText(r, column);
    return cells;
}

// One wheel notch per step (negative: towards the end) at a point of widget,
// delivered to the widget under that point.
inline void TurnWheel(QWidget* widget, QPoint point, int notches) {
    QWidget* window = widget->window();
    QWidget* under = window->childAt(widget->mapTo(window, point));
    if (!under) under = window;  // no child there, or one the mouse passes through
    const QPoint local = under->mapFromGlobal(widget->mapToGlobal(point));
    QWheelEvent event(QPointF(local), QPointF(under->mapToGlobal(local)), QPoint(),
                      QPoint(0, 120 * notches), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase,
                      false);
    QApplication::sendEvent(under, &event);
}
