#pragma once
// Gives Qt a private runtime folder when the environment names none, so that
// programs without a desktop session print nothing about it on standard error.
void ensureRuntimeDir();
