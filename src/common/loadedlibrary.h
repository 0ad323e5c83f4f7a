#pragma once

#include <dlfcn.h>

// A shared library loaded when it is first needed rather than with the
// program, for the libraries only a few games ever use (the HTTP client of
// the lobby download, the router's port-mapping protocols): each would
// otherwise add its pages to the resident memory of every start. The
// library stays loaded until the program ends.
class LoadedLibrary
{
public:
    // `soname` as the dynamic linker knows it, for example "libcurl.so.4".
    explicit LoadedLibrary(const char *soname) : m_handle(::dlopen(soname, RTLD_NOW | RTLD_LOCAL)) {}
    LoadedLibrary(const LoadedLibrary &) = delete;
    LoadedLibrary &operator=(const LoadedLibrary &) = delete;

    bool loaded() const { return m_handle != nullptr; }

    // Points `function` at the library's symbol `name`; false when the
    // library or the symbol is missing.
    template <typename Function>
    bool bind(Function &function, const char *name) const
    {
        function = m_handle ? reinterpret_cast<Function>(::dlsym(m_handle, name)) : nullptr;
        return function != nullptr;
    }

private:
    void *m_handle;
};
