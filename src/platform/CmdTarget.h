// Command targets: anything on the command route (view, document, child frame, main
// frame, application) derives from CCmdTarget and declares the command ids it serves.
//
// Route: a command goes to the active view, its document, its child frame, the main
// frame and the application, in that order; the first target that serves it runs it.
// A command that no target on the route serves is greyed in menus, on tool bars and
// for accelerators (CMDIFrameWnd does that). So a window that does not exist yet
// leaves its command greyed without any code standing in for it.
//
// Declaring handlers (usually in the constructor):
//
//   AddCommand(ID_SEARCH, [this] { OnSearch(); });
//   AddCommand(ID_EDIT_COPY, [this] { m_edit->copy(); },
//              [this](CCmdUI& ui) { ui.Enable(m_edit->textCursor().hasSelection()); });
//   SetCommandServed(ID_ALL_HAIKU, [] { return theApp.m_pHaikuTemplate != nullptr; });
//
// A class may instead override IsCommandHandled / OnCommand / OnUpdateCommand.
// When a target's state changes what it can do (a selection appears), it calls
// RefreshCommandUI() (declared in MDIFrameWnd.h) so the bars follow at once.
#pragma once

#include <functional>
#include <optional>
#include <unordered_map>

// What the serving target says about a command while menus and bars are updated.
class CCmdUI {
public:
    explicit CCmdUI(int id) : m_nID(id) {}
    void Enable(bool on = true) { m_bEnabled = on; }
    void SetCheck(bool on = true) { m_checked = on; }

    int ID() const { return m_nID; }
    bool IsEnabled() const { return m_bEnabled; }
    std::optional<bool> Checked() const { return m_checked; }

private:
    int m_nID;
    bool m_bEnabled = true;
    std::optional<bool> m_checked;
};

class CCmdTarget {
public:
    using Handler = std::function<void()>;
    using Updater = std::function<void(CCmdUI&)>;
    using Served = std::function<bool()>;

    CCmdTarget() = default;
    CCmdTarget(const CCmdTarget&) = delete;
    CCmdTarget& operator=(const CCmdTarget&) = delete;
    virtual ~CCmdTarget() = default;

    // True when this target serves the command now.
    virtual bool IsCommandHandled(int id) const;
    // Runs the command; false when this target does not serve it.
    virtual bool OnCommand(int id);
    // Called only on the serving target: may grey or check the command (default: enabled).
    virtual void OnUpdateCommand(CCmdUI& ui);

protected:
    void AddCommand(int id, Handler handler, Updater updater = {});
    // Makes the command served only while served() is true (the handler stays declared).
    void SetCommandServed(int id, Served served);

private:
    struct Entry {
        Handler handler;
        Updater updater;
        Served served;
    };
    std::unordered_map<int, Entry> m_commands;
};
