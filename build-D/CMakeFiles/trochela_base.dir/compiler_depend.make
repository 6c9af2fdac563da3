# Empty compiler generated dependencies file for trochela_base.
# This may be replaced when dependencies are built.
