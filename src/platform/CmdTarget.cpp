#include "platform/CmdTarget.h"

bool CCmdTarget::IsCommandHandled(int id) const {
    auto it = m_commands.find(id);
    if (it == m_commands.end() || !it->second.handler) return false;
    return !it->second.served || it->second.served();
}

bool CCmdTarget::OnCommand(int id) {
    if (!IsCommandHandled(id)) return false;
    // Copy: the handler may destroy this target (closing a window).
    Handler handler = m_commands.at(id).handler;
    handler();
    return true;
}

void CCmdTarget::OnUpdateCommand(CCmdUI& ui) {
    auto it = m_commands.find(ui.ID());
    if (it != m_commands.end() && it->second.updater) it->second.updater(ui);
}

void CCmdTarget::AddCommand(int id, Handler handler, Updater updater) {
    Entry& entry = m_commands[id];
    entry.handler = std::move(handler);
    entry.updater = std::move(updater);
}

void CCmdTarget::SetCommandServed(int id, Served served) {
    m_commands[id].served = std::move(served);
}
