// Music output through OpenAL: the device and its context, the sources and
// buffers a stream queues, and the warning box for a pending OpenAL error.
#pragma once

// Opens the default device, makes a new context current and places the
// listener at the origin facing into the screen. False without a device
// (nothing shown), or after an "ALC error: " box when the context fails; the
// device then stays open.
bool platformOpenMusicDevice();
bool platformMusicDeviceOpen();
// Forgets the errors of buffers that could not be deleted (they are still
// queued and go with the device), then closes the context and the device.
void platformCloseMusicDevice();

// True when no OpenAL error is pending; otherwise shows the "OpenAL error: "
// warning box, which waits for the user, and returns false.
bool platformCheckMusicError();

unsigned platformCreateMusicSource();
// Unit pitch and gain, at rest at the listener's position.
void platformSetUpMusicSource(unsigned source, bool looping);
void platformSetMusicSourceLooping(unsigned source, bool looping);
bool platformMusicSourceExists(unsigned source);
void platformPlayMusicSource(unsigned source);
void platformStopMusicSource(unsigned source);
void platformDeleteMusicSource(unsigned source);
void platformSetMusicSourceGain(unsigned source, float gain);
// Queued buffers the source has finished playing.
int platformProcessedMusicBuffers(unsigned source);
bool platformMusicSourceStopped(unsigned source);

unsigned platformCreateMusicBuffer();
void platformDeleteMusicBuffer(unsigned buffer);
// 16-bit signed PCM; one channel is mono, any other count stereo.
void platformSetMusicBufferData(unsigned buffer, int channels, const void* pcm, int bytes, int rate);
void platformQueueMusicBuffer(unsigned source, unsigned buffer);
// The oldest finished buffer, taken off the source's queue.
unsigned platformUnqueueMusicBuffer(unsigned source);
