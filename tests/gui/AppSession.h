// Runs the application's start-up in a working directory for one window test and
// shuts it down again (closing the main frame as the user would, then the
// application's exit), restoring the previous directory.
#pragma once

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QTest>

#include "GuiNoticeRecorder.h"
#include "app/ChildFrame.h"
#include "app/MainFrame.h"
#include "app/ProfileStore.h"
#include "app/QuillaryApp.h"
#include "app/QuillaryDoc.h"
#include "app/Resource.h"
#include "app/SearchBar.h"
#include "platform/DocTemplate.h"
#include "platform/View.h"

class AppSession {
public:
    // Greeting::Show runs the start-up dialogs (tips, card) as the program does;
    // by default a session skips them.
    enum class Greeting { Skip, Show };
    explicit AppSession(const QString& workDir, Greeting greeting = Greeting::Skip)
        : m_previousDir(QDir::currentPath()) {
        QApplication::setQuitOnLastWindowClosed(false);
        QDir::setCurrent(workDir);
        theApp.m_bRunStartupDialogs = greeting == Greeting::Show;
        m_started = theApp.InitInstance();
        theApp.m_bRunStartupDialogs = true;
    }
    ~AppSession() {
        if (Frame()) {
            Frame()->setAttribute(Qt::WA_DeleteOnClose);
            delete Frame();
        }
        if (m_started && !m_exited) theApp.ExitInstance();
        QDir::setCurrent(m_previousDir);
    }
    AppSession(const AppSession&) = delete;
    AppSession& operator=(const AppSession&) = delete;

    bool Started() const { return m_started; }
    CMainFrame* Frame() const { return static_cast<CMainFrame*>(theApp.GetMainWnd()); }

    // Asks the main frame to close; true when it closed and the application exited.
    bool Close() {
        if (!Frame() || !Frame()->close()) return false;
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (Frame()) return false;
        theApp.ExitInstance();
        m_exited = true;
        return true;
    }

private:
    QString m_previousDir;
    bool m_started = false;
    bool m_exited = false;
};

// A session in a temporary working directory of its own (made in init(), gone in cleanup()),
// its notices recorded from the start.
struct TempSession {
    QTemporaryDir dir;
    GuiNoticeRecorder notices;
    AppSession app{dir.path()};
};

// A whole file's bytes (empty when missing), and a file written with bytes.
inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (file.open(QIODevice::WriteOnly | QIODevice::Truncate)) file.write(bytes);
}

// Test stand-ins for the list views other parts of the program build: a view that
// serves the search as the haiku list does, and a plain list view. Register them with
// RegisterStandInListTemplates() after start-up; ExitInstance drops them again.
class StandInListView : public CView {
public:
    StandInListView() { SetContentWidget(new QLabel(u"list"_qs, this)); }
};

class StandInHaikuListView : public StandInListView {
public:
    StandInHaikuListView() {
        AddCommand(ID_SEARCH, [this] {
            theSearchBar.TakeSearchText();
            ++searches;
        });
    }
    void OnActivateView(bool activate) override { theSearchBar.EnableSearchBox(activate); }

    int searches = 0;
};

inline CMultiDocTemplate* StandInTemplate(int id, CMultiDocTemplate::ViewFactory newView) {
    auto* t = new CMultiDocTemplate(
        id, u"『Tavelo』博物館"_qs, [] { return new CQuillaryDoc; }, [] { return new CChildFrame; },
        std::move(newView));
    theApp.AddDocTemplate(t);
    return t;
}

inline void RegisterStandInListTemplates() {
    theApp.m_pHaikuTemplate =
        StandInTemplate(IDR_HAIKU_LIST, [] { return new StandInHaikuListView; });
    theApp.m_pKigoTemplate = StandInTemplate(IDR_KIGO_LIST, [] { return new StandInListView; });
}
