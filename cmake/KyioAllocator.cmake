# The allocator the tool's converter runs with (programs/kyio; kyio itself starts without it).
# Each pass of the stylesheet builds a tree in libxslt and frees the one before it, node by
# node. With glibc's malloc, merging those freed chunks and finding room among them cost more
# per node as the heap grows: on fields nested in fields, a document 4 times larger took 5
# times as long. tcmalloc keeps small blocks in size classes of their own, and time per node
# stays flat. The library itself links no allocator: a host's process keeps its own.
# Sanitizer builds keep theirs too.
option(KYIO_TCMALLOC "Link the tool's converter and the stylesheet benchmark with tcmalloc" ON)
if(KYIO_TCMALLOC AND NOT KYIO_SANITIZE)
  find_package(PkgConfig REQUIRED)
  pkg_check_modules(KYIO_TCMALLOC_MINIMAL REQUIRED IMPORTED_TARGET libtcmalloc_minimal)
endif()

# Makes target, an executable that converts documents, allocate through tcmalloc.
function(kyio_conversion_allocator target)
  if(TARGET PkgConfig::KYIO_TCMALLOC_MINIMAL)
    target_link_libraries(${target} PRIVATE PkgConfig::KYIO_TCMALLOC_MINIMAL)
  endif()
endfunction()
