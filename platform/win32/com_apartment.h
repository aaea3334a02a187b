#pragma once

// Inside the Win32 backend only: the UI thread's COM apartment, which Active Accessibility and UI
// Automation marshal their objects through to other processes.

namespace kolvar {

// The thread enters a single-threaded apartment when it first hands an object out rather than
// at start: most runs have no client, and COM's libraries would cost every start their loading.
// A thread already in an apartment stays in it.
void EnterComApartment();
// Leaves the apartment entered above, once the program's windows are gone.
void LeaveComApartment();

}  // namespace kolvar
