#include "app/LockIndicators.h"

#include <QGuiApplication>

#ifdef QUILLARY_HAVE_XKB
#include <X11/XKBlib.h>
#endif

namespace {

class CNoLockIndicators final : public CLockIndicators {
public:
    LockStates Read() const override { return {}; }
};

#ifdef QUILLARY_HAVE_XKB
// The named indicators of the X server's core keyboard. A keymap without the
// indicator (many have no "Kana") reads it as off.
class CXkbLockIndicators final : public CLockIndicators {
public:
    explicit CXkbLockIndicators(Display* display) : m_display(display) {
        const char* names[] = {"Kana", "Caps Lock", "Num Lock", "Scroll Lock"};
        XInternAtoms(m_display, const_cast<char**>(names), 4, False, m_atoms);
    }
    LockStates Read() const override {
        return {Lit(m_atoms[0]), Lit(m_atoms[1]), Lit(m_atoms[2]), Lit(m_atoms[3])};
    }

private:
    bool Lit(Atom name) const {
        Bool on = False;
        return XkbGetNamedIndicator(m_display, name, nullptr, &on, nullptr, nullptr) && on;
    }

    Display* m_display;
    Atom m_atoms[4];
};
#endif

}  // namespace

std::unique_ptr<CLockIndicators> CreatePlatformLockIndicators() {
#ifdef QUILLARY_HAVE_XKB
    if (auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>()
                            : nullptr) {
        int opcode = 0, event = 0, error = 0, major = XkbMajorVersion, minor = XkbMinorVersion;
        if (Display* display = x11->display();
            display && XkbQueryExtension(display, &opcode, &event, &error, &major, &minor))
            return std::make_unique<CXkbLockIndicators>(display);
    }
#endif
    return std::make_unique<CNoLockIndicators>();
}
