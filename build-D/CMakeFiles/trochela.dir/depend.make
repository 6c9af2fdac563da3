# Empty dependencies file for trochela.
# This may be replaced when dependencies are built.
