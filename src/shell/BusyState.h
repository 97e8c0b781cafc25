#pragma once

#include <QString>
#include <functional>

namespace orvik {

class MessageBox;

// Whether a procedure of the window is running. A procedure that talks to the meter pumps the event loop while it
// waits, so the window keeps taking clicks in the middle of it; a view switch, a database change, a disconnect or
// closing the window would then delete what the running procedure stands on. Procedures hold this state for
// their whole run, and everything that would pull the floor from under them refuses while it is held.
class BusyState {
public:
    // Held by a running procedure; nests, so a procedure may run another.
    class Hold {
    public:
        explicit Hold(BusyState& state) : m_state(state) { ++m_state.m_holds; }
        ~Hold() { --m_state.m_holds; }
        Hold(const Hold&) = delete;
        Hold& operator=(const Hold&) = delete;

    private:
        BusyState& m_state;
    };

    bool isBusy() const { return m_holds > 0; }
    // While a procedure runs: tells the technician and returns true, and the caller does not go on.
    bool refuse(MessageBox& messages) const;
    // Runs `procedure` holding the state, unless another procedure is already running. False when refused.
    bool run(MessageBox& messages, const std::function<void()>& procedure);

private:
    int m_holds = 0;
};

QString busyRefusalText();

} // namespace orvik
