// Stand-in until the frame timer lands.
float frameDt = 0.0f;
