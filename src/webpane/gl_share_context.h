#pragma once

// The browser engine composes in software, yet when it starts it still reads the
// application's shared GL context. Qt makes that context when the application object is
// built if asked beforehand, which costs every launch a GL set-up (the larger part of the
// start-up on X11) for a pane most sessions never open. It is made here instead, just
// before the browser plugin loads, as Qt itself would make it.
void ProvideSharedGlContext();
