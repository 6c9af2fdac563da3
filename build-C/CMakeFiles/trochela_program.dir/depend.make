# Empty dependencies file for trochela_program.
# This may be replaced when dependencies are built.
