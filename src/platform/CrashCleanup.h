#pragma once

namespace tavlo {

// Something the program must undo however it ends, such as a changed display
// mode: it runs once when the process dies of a fatal signal (a crash, an
// abort, a hang-up or a quit from the terminal) or calls exit, and then the
// signal takes its course as before. Passing null forgets it again, once the
// program has undone the change itself.
//
// The cleanup runs inside a signal handler, in a process that may be broken;
// it should do as little as it can, and it is a last try, not a guarantee.
void SetCrashCleanup(void (*cleanup)());

}  // namespace tavlo
