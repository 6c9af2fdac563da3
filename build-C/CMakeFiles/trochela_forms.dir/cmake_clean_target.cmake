file(REMOVE_RECURSE
  "libtrochela_forms.a"
)
