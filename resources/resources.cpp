// The resources themselves are compiled in by qt_add_resources; this file
// only gives the library a source of its own while a folder is still empty.
