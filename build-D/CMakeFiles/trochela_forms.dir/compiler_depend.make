# Empty compiler generated dependencies file for trochela_forms.
# This may be replaced when dependencies are built.
