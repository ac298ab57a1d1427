#pragma once

// SIGTERM (a log-out, a shutdown, `kill`) and SIGINT (Ctrl+C in the terminal that
// started the program) end the event loop as the program's own ways out do: the
// windows go and the exit status is 0. Call once the application object exists.
void quitOnTerminationSignals();
