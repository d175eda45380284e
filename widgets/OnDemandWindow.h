#pragma once
// A program-wide window that is made the first time it is used and then kept until the
// program ends (see OnDemandWindows), so that a window the player never opens costs
// nothing. A host of its own (a test) may hand in its own window instead.

#include "widgets/OnDemandWindows.h"

template <class Form> class OnDemandWindow {
public:
    // The window to use from now on; nullptr for none.
    OnDemandWindow& operator=(Form* handedIn) {
        form = handedIn;
        return *this;
    }

    // Whether a use finds a window: there is one, or one would be made. Makes nothing.
    explicit operator bool() const { return form != nullptr || OnDemandWindows::Active(); }

    // The window, made now if this is its first use; nullptr when there is none to use.
    Form* Get() {
        if (!form && OnDemandWindows::Active()) {
            Form* made = new Form;
            form = made;
            OnDemandWindows::Made([this, made] {
                if (form == made)
                    form = nullptr;
                delete made;
            });
        }
        return form;
    }
    Form* operator->() { return Get(); }

    // The window if it has been made or handed in; makes nothing.
    Form* Existing() const { return form; }

private:
    Form* form = nullptr;
};
