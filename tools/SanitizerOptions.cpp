// Built into every program of a sanitizer build (LEDGERWICK_SANITIZE).
//
// Once the program links QtKeychain (and with it GLib, libsecret's and D-Bus's libraries), the
// leak checker of GCC 12's sanitizer runtime crashes at exit on Debian 12 ("Tracer caught signal
// 11"): it walks the dynamic TLS blocks it noted through __tls_get_addr and one of them is stale
// (begin 0x4ea). Not noting them fixes that; leaks are still searched for everywhere else, and a
// pointer kept only in a thread-local of a loaded library is all this can miss. Options given in
// ASAN_OPTIONS are read after these and still win.
extern "C" const char* __asan_default_options();

extern "C" const char* __asan_default_options() {
    return "intercept_tls_get_addr=0";
}

// OpenSSL's state for a thread (libcurl's and libssh2's, loaded with files on servers) is freed by
// that thread's exit handlers, which can run after QThread::wait() has returned: a short program
// such as `ledgerwick --check ADDRESS` can end first, and with dynamic TLS not noted the block
// looks lost. Only that library's blocks are passed over.
extern "C" const char* __lsan_default_suppressions();

extern "C" const char* __lsan_default_suppressions() {
    return "leak:libcrypto.so\n";
}
