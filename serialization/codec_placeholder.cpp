// The codec's compiled parts go here.
