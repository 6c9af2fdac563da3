file(REMOVE_RECURSE
  "libtrochela_program.a"
)
