#pragma once
// A private SANE configuration for the scanner tests: no hardware, the system
// configuration untouched.
#include <QByteArray>

// Points SANE at one private folder per process (SANE reads SANE_CONFIG_DIR
// only once) and rewrites its dll.conf, naming the "test" backend or none, and
// its test.conf. The test backend is kept loaded for the life of the process,
// so what it still holds at exit is attributed to it by LeakSanitizer.
void configureSaneTestBackend(bool withTestBackend, const QByteArray &testConf);
