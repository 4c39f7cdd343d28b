// The sound object: numbered slots holding short wave sounds, each slot one to four copies
// (buffers) of the same sound so that it can overlap itself.
//
// The commands reach slots 0 to 127; slot numbers of 128 and above act on slot 127.
// Every failure is quiet: a missing device or a bad file leaves the slot empty and plays of
// it return -1.
#pragma once
#include <cstdint>
#include <string>

// Creates the sound object and its slot table of 2048 empty slots ("Init Sound").
void SoundCreate();

// Where the mixed output goes.
enum class SoundOutput {
    kDevice,  // the platform audio device (22050 Hz, stereo, 16 bit)
    kPulled,  // nobody plays it: the caller takes samples with SoundRender (tests, tools)
};
// Opens the sound device; false (and no sound for the rest of the run) when none opens.
bool SoundInitDevice(SoundOutput output = SoundOutput::kDevice);
bool SoundDeviceOpen();

// Stops everything, empties all 2048 slots and closes the device (an end-routine step).
void SoundShutdown();

// File names go through the media lookup (a file on disk, else the archive attached to the
// program) before they are opened; a name it cannot resolve is opened as given. A resolver
// set here replaces the lookup (nullptr restores it); it returns "" for a name it cannot
// resolve.
void SetSoundFileResolver(std::string (*resolve)(const std::string& name));

// Loads a wave file into a slot with 1 to 4 buffers (0 gives 1, 9 gives 4). 1 on success,
// 0 with the slot left empty otherwise.
int LoadSoundSlot(const std::string& file, int slot, int buffers);

// Plays one copy once. Pan -1 (left) .. 1 (right); volume 0 .. 1 (1 = full level, linear in
// decibels down to silence at 0). Returns the channel slot x 256 + buffer, or -1.
int PlaySoundSlot(int slot, double pan, double volume);

// Stops and rewinds every buffer of slots 0 to 127.
void StopAllSounds();

// 1 while the buffer of this channel (slot x 256 + buffer) is playing, else 0.
int SoundPlaying(int channel);

// Mixes the next `frames` stereo frames of output into `out` (2 x frames values). Only for
// SoundOutput::kPulled; with the device the audio callback takes them.
void SoundRender(int16_t* out, int frames);

// Number of buffers a slot holds (0 = empty); slots outside 0..2047 read as 0.
int SoundSlotBuffers(int slot);
