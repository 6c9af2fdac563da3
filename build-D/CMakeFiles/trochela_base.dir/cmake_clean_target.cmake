file(REMOVE_RECURSE
  "libtrochela_base.a"
)
