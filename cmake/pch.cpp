// The object the precompiled headers are compiled with; it holds nothing of its own.
