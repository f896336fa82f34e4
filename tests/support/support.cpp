// The support library needs at least one source; the helpers above are
// header-only.
namespace zefrin::testing {}
