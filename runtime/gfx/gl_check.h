// A check of the drawing seam (on with ZOLV_GL_CHECK=1): while a frame is recorded nothing
// may reach OpenGL, every draw and state change goes into the recorder's list. A raw OpenGL
// call made then would run before the recorded draws and leak its state into their replay,
// silently; with the check on, the OpenGL state and the samples drawn are compared between
// the start of the recording and the moment the list is played, and any difference stops the
// program with a message naming it.
#pragma once

// At the start of a recorded frame.
void GlCheckRecordingBegins();
// Before the recorded list goes to OpenGL; `where` names the caller for the message.
void GlCheckRecordingEnds(const char* where);
