#pragma once

// Registers the compiled-in pictures (icons). Safe to call more than once.
void ensureResources();
