# The program's version: the project's, the package's, `trochela --version`
# and the splash's.
set(TROCHELA_VERSION 1.81)
