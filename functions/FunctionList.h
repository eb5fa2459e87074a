#pragma once

namespace trumbel {

// Which list of functions an entry number counts in: every function, or the favourites.
enum class FunctionList { All, Favourites };

} // namespace trumbel
