#pragma once
// Code outside the program (the toolkit's painting, the C library's memory
// routines) may leave the upper halves of the processor's wide vector
// registers in use. Until they are cleared, the program's own floating-point
// arithmetic and the maths library's sine and cosine run at about half speed
// on some processors. A drawing clears them when it starts and after every
// yield; elsewhere this costs nothing worth saving.
namespace base {

// Marks the upper halves of the vector registers unused. Does nothing on a
// processor without them.
void ClearUpperVectorState();

}  // namespace base
